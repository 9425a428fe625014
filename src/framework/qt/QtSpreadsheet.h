#pragma once
// The Qt windows of the hosted controls: the spreadsheet (frozen column-header
// rows and row numbers, scrolling by whole rows and columns, in-place editing
// of the cells the sheet lets the user edit) and its print preview (the
// printed pages, scaled to the control's width, one below the other).
//
// Both draw through the framework's device context with the painter of
// SpreadsheetPrint.h, so the screen, the preview and the paper agree.
//
// Keys in the sheet: the arrows, Page Up/Down, Home and End move the current
// cell; typing or F2 starts editing a number cell, a double click too; Delete
// empties it. While editing, Enter (and Up/Down) ends the edit and moves on,
// Esc abandons it, and moving the focus elsewhere (a click on OK) ends it.
// Enter and Esc outside an edit belong to the dialog.

#include <QAbstractScrollArea>

#include <memory>

#include "framework/DialogTemplate.h"
#include "framework/HostedControl.h"

class QLineEdit;

namespace tervane::fw {

class Spreadsheet;
class SpreadsheetPreview;

// The window of a Spreadsheet or PrintPreview template control, with its
// control object, whose events go to `sink`; null for other kinds.
QWidget* MakeHostedWidget(const ControlTemplate& control, QWidget* parent, HostedControl::EventSink sink);
// The control object of a window made by MakeHostedWidget, else null.
HostedControl* HostedControlOfWidget(const QWidget* widget);

class QtSpreadsheetWidget final : public QAbstractScrollArea {
 public:
  QtSpreadsheetWidget(std::unique_ptr<Spreadsheet> sheet, QWidget* parent);
  ~QtSpreadsheetWidget() override;

  Spreadsheet& Sheet() { return *sheet_; }
  // The rectangle of a cell in viewport coordinates (empty when not shown).
  QRect CellRect(int col, int row) const;
  // The point of the viewport where a cell's middle is shown.
  QPoint CellCenter(int col, int row) const { return CellRect(col, row).center(); }
  // The open cell editor, or null.
  QLineEdit* Editor() const { return editor_; }
  int CurrentCol() const { return currentCol_; }
  int CurrentRow() const { return currentRow_; }
  int TopRow() const { return topRow_; }
  // Scrolls so that the data cell can be seen.
  void EnsureVisible(int col, int row);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct Layout;
  Layout MakeLayout() const;
  bool CellAt(const QPoint& at, int& col, int& row) const;
  void SheetChanged();
  void UpdateScrollBars();
  void MoveCurrent(int col, int row);
  void OpenEditor(int col, int row, const QString& text, bool selectAll);
  void CommitEdit(bool keepFocus);
  void CancelEdit();
  void CloseEditor();
  bool EditorKey(QKeyEvent* e);

  std::unique_ptr<Spreadsheet> sheet_;
  int topRow_ = 1;
  int leftCol_ = 1;
  int currentCol_ = 1;
  int currentRow_ = 1;
  QLineEdit* editor_ = nullptr;
  int editCol_ = 0;
  int editRow_ = 0;
  bool closing_ = false;
};

class QtSheetPreviewWidget final : public QAbstractScrollArea {
 public:
  QtSheetPreviewWidget(std::unique_ptr<SpreadsheetPreview> preview, QWidget* parent);
  ~QtSheetPreviewWidget() override;

  SpreadsheetPreview& Preview() { return *preview_; }
  // Where page `index` is shown in the viewport, and the resolution it is
  // drawn at (pixels per inch).
  QRect PageRect(std::size_t index) const;
  int PageDpi() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBars();

  std::unique_ptr<SpreadsheetPreview> preview_;
};

}  // namespace tervane::fw
