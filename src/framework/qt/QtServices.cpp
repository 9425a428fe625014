#include "framework/qt/QtServices.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStringList>

#include "framework/Desktop.h"
#include "framework/DialogTemplate.h"
#include "framework/qt/QtApplication.h"
#include "framework/qt/QtConvert.h"

namespace tervane::fw {

namespace {

QString Patterns(const std::string& patterns) {
  QStringList list;
  for (const QString& p : ToQString(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString t = p.trimmed();
    if (!t.isEmpty()) list << t;
  }
  return list.join(QLatin1Char(' '));
}

std::optional<std::string> RunFileDialog(const FileDialogOptions& options, bool save) {
  if (QApplication::instance() == nullptr) return std::nullopt;
  QFileDialog dialog(DialogOwner());
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (save)
    dialog.setFileMode(QFileDialog::AnyFile);
  else
    dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.askOverwrite);
  if (!options.title.empty()) dialog.setWindowTitle(ToQString(options.title));
  QStringList filters;
  for (const FileFilter& f : options.filters) filters << ToQString(QtNameFilter(f));
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
  }
  if (!options.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(options.defaultExtension));
  // Never the working directory: the caller's folder, else the project's,
  // the last one used or the home folder. A proposed path of its own wins.
  const std::string folder = options.initialDirectory.empty() ? DefaultDialogFolder() : options.initialDirectory;
  if (!folder.empty()) dialog.setDirectory(ToQString(folder));
  if (!options.proposedName.empty()) dialog.selectFile(ToQString(options.proposedName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  const std::string path = ApplyDefaultExtension(FromQString(chosen.front()), options.defaultExtension);
  RememberDialogFolder(path);
  return path;
}

bool HasScheme(const QString& s) {
  // "https://...", "mailto:...": a scheme of two letters or more (so that a
  // drive letter is not taken for one).
  const int colon = s.indexOf(QLatin1Char(':'));
  if (colon < 2) return false;
  for (int i = 0; i < colon; ++i) {
    const QChar c = s.at(i);
    const bool ok = (c.isLetter() && c.unicode() < 128) ||
                    (i > 0 && ((c.isDigit() && c.unicode() < 128) || c == QLatin1Char('+') ||
                               c == QLatin1Char('-') || c == QLatin1Char('.')));
    if (!ok) return false;
  }
  return true;
}

// The entry of the folder with that name, ignoring case when no entry has it
// exactly (help topics are named without regard to case).
QString FindInFolder(const QString& folder, const QString& name) {
  if (name.isEmpty()) return {};
  const QDir dir(folder);
  const QString exact = QDir::cleanPath(dir.filePath(name));
  if (!exact.startsWith(QDir::cleanPath(dir.absolutePath()) + QLatin1Char('/'))) return {};  // outside
  if (QFileInfo(exact).isFile()) return exact;
  if (name.contains(QLatin1Char('/'))) return {};
  for (const QString& entry : dir.entryList(QDir::Files))
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return {};
}

}  // namespace

bool OpenUrlWithDesktop(const QUrl& url) {
  // The toolkit counts the desktop's opener a success as soon as it starts;
  // for a file its answer is awaited, so that a file no program takes is
  // reported.
  if (url.isLocalFile()) {
    if (const std::optional<bool> opened = OpenFileWithDesktopOpener(FromQString(url.toLocalFile())))
      return *opened;
  }
  return QDesktopServices::openUrl(url);
}

// ---- message boxes ---------------------------------------------------------

int QtMessageBoxService::Show(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon) {
  if (QApplication::instance() == nullptr) return buttons == MessageButtons::Ok ? IDOK : IDCANCEL;
  QMessageBox box(DialogOwner());
  box.setText(ToQString(text));
  box.setTextFormat(Qt::PlainText);
  box.setWindowTitle(ToQString(caption));
  switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  QMessageBox::StandardButtons set;
  QMessageBox::StandardButton first = QMessageBox::Ok;
  switch (buttons) {
    case MessageButtons::Ok: set = QMessageBox::Ok; break;
    case MessageButtons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::YesNo:
      set = QMessageBox::Yes | QMessageBox::No;
      first = QMessageBox::Yes;
      break;
    case MessageButtons::YesNoCancel:
      set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      first = QMessageBox::Yes;
      break;
  }
  box.setStandardButtons(set);
  box.setDefaultButton(first);  // the first button is the default, as everywhere
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: break;
  }
  // Closed without a button: as Esc would answer.
  switch (buttons) {
    case MessageButtons::Ok: return IDOK;
    case MessageButtons::YesNo: return IDNO;
    default: return IDCANCEL;
  }
}

// ---- file dialogs ----------------------------------------------------------

std::string QtNameFilter(const FileFilter& filter) {
  const QString patterns = Patterns(filter.patterns);
  QString description = ToQString(filter.description).trimmed();
  if (patterns.isEmpty()) return FromQString(description);
  const QString tail = QStringLiteral("(") + patterns + QStringLiteral(")");
  if (description.endsWith(tail)) return FromQString(description);
  if (description.isEmpty()) return FromQString(tail);
  return FromQString(description + QLatin1Char(' ') + tail);
}

std::optional<std::string> QtFileDialogService::OpenFile(const FileDialogOptions& options) {
  return RunFileDialog(options, false);
}

std::optional<std::string> QtFileDialogService::SaveFile(const FileDialogOptions& options) {
  return RunFileDialog(options, true);
}

// ---- shell -----------------------------------------------------------------

QtShellService::QtShellService(UrlOpener opener) : opener_(std::move(opener)) {}

bool QtShellService::OpenWithDesktop(const std::string& pathOrUrl) {
  const QString s = ToQString(pathOrUrl).trimmed();
  if (s.isEmpty() || !opener_) return false;
  QUrl url;
  if (HasScheme(s)) {
    url = QUrl(s, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return false;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
  } else {
    const QFileInfo info(s);
    if (!info.exists()) return false;
    url = QUrl::fromLocalFile(info.absoluteFilePath());
  }
  return opener_(url);
}

bool QtShellService::StartProgram(const std::string& program, const std::vector<std::string>& arguments) {
  if (program.empty()) return false;
  QStringList args;
  for (const std::string& a : arguments) args << ToQString(a);
  return QProcess::startDetached(ToQString(program), args);
}

// ---- help ------------------------------------------------------------------

QtHelpService::QtHelpService(std::string helpFile, UrlOpener opener)
    : helpFile_(std::move(helpFile)), opener_(std::move(opener)) {}

std::string QtHelpService::Resolve(const std::string& location) const {
  QString file = ToQString(location);
  QString topic;
  const int sep = file.indexOf(QStringLiteral("::"));
  if (sep >= 0) {
    topic = file.mid(sep + 2);
    file = file.left(sep);
    while (topic.startsWith(QLatin1Char('/'))) topic.remove(0, 1);
  }
  if (file.isEmpty()) file = ToQString(helpFile_);
  if (file.isEmpty()) return {};

  // The folder of pages, if there is one.
  QString folder;
  const QFileInfo info(file);
  if (info.isDir()) {
    folder = info.absoluteFilePath();
  } else if (!info.suffix().isEmpty()) {
    const QFileInfo stem(info.absolutePath() + QLatin1Char('/') + info.completeBaseName());
    if (stem.isDir()) folder = stem.absoluteFilePath();
  }
  if (!topic.isEmpty()) {
    if (!folder.isEmpty()) return FromQString(FindInFolder(folder, topic));
    // A single file cannot show one topic; it is shown from its start.
    return info.isFile() ? FromQString(info.absoluteFilePath()) : std::string();
  }
  if (!folder.isEmpty()) {
    for (const char* index : {"index.htm", "index.html"}) {
      const QString page = FindInFolder(folder, QLatin1String(index));
      if (!page.isEmpty()) return FromQString(page);
    }
  }
  return info.isFile() ? FromQString(info.absoluteFilePath()) : std::string();
}

bool QtHelpService::ShowTopic(const std::string& location) {
  const std::string path = Resolve(location);
  if (path.empty() || !opener_) return false;
  return opener_(QUrl::fromLocalFile(ToQString(path)));
}

bool QtHelpService::ShowDefault() { return ShowTopic(helpFile_); }

// ---- clock -----------------------------------------------------------------

LocalDateTime QtClockService::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  LocalDateTime out;
  out.year = d.year();
  out.month = d.month();
  out.day = d.day();
  out.hour = t.hour();
  out.minute = t.minute();
  out.second = t.second();
  out.dayOfWeek = d.dayOfWeek() % 7;  // Qt counts Monday 1 .. Sunday 7
  return out;
}

}  // namespace tervane::fw
