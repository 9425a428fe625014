// The check tables read without a dialog, as a run reads them: a record as
// stored against the blocking checks of each input dialog.

#include <gtest/gtest.h>

#include <string>

#include "input/DialogFields.h"

namespace tervane {
namespace {

using input::FirstStoredFailure;

TEST(StoredInputChecksTest, TheDefaultsPassEveryDialogButTheDesignersName) {
  const ProjectInput defaults;
  for (const input::DialogFields* fields : input::AllDialogFields()) {
    if (std::string(fields->templateName) == "IDD_MODIFY_SETUP") continue;  // its language is a setting
    SCOPED_TRACE(fields->templateName);
    const auto failure = FirstStoredFailure(*fields, defaults);
    if (std::string(fields->templateName) == "IDD_MODIFY_GENERAL") {
      ASSERT_TRUE(failure.has_value());
      EXPECT_EQ(failure->numberText, "Error No.1120");
      EXPECT_EQ(failure->messageText, "\n Designer name must be input.");
    } else {
      EXPECT_FALSE(failure.has_value()) << failure->numberText;
    }
  }
}

TEST(StoredInputChecksTest, InputTheEngineCannotUseIsRefusedWithTheDialogsCheck) {
  struct Case {
    const char* what;
    const input::DialogFields& fields;
    void (*change)(ProjectInput&);
    const char* number;
    const char* message;
  };
  const Case cases[] = {
      {"no strength", input::GeosynDataFields(), [](ProjectInput& p) { p.ultimateStrength = 0.0; }, "Error No.1190",
       "\n Geosynthetic strength should not be negative nor zero."},
      {"no coverage", input::GeosynFsFields(), [](ProjectInput& p) { p.coverageRatio = 0.0; }, "Error No.1201",
       "\n Coverage ratio, Rc, should not be less than 0.05, nor exceed 1.0 ."},
      {"a vertical backslope", input::GeometryFields(), [](ProjectInput& p) { p.backslopeAngle = 90.0; },
       "Error No.1136", "\n Backslope should not exceed 90°."},
      {"water above the stored height", input::WaterFields(),
       [](ProjectInput& p) {
         p.waterMode = 0;
         p.phreaticY4 = 6.5;
       },
       "Error No.1143", "\n 'Y' Should not exceed the slope's height.\nPlease correct."},
      {"the SI limits", input::GeometryFields(), [](ProjectInput& p) { p.slopeHeight = 0.9; }, "Error No.1130",
       "\n Height of slope should not be less than  1.0 meter."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectInput stored;
    c.change(stored);
    const auto failure = FirstStoredFailure(c.fields, stored);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->numberText, c.number);
    EXPECT_EQ(failure->messageText, c.message);
  }
}

TEST(StoredInputChecksTest, NoticesAndWarningsAreNotRefusals) {
  ProjectInput stored;
  stored.seismicKh = 0.5;        // notice 1172
  stored.backslopeAngle = 40.0;  // warning 1138
  stored.maxPenetrationDepth = 0.0;  // warning 1181
  stored.coverageRatio = 0.3;    // the coverage-ratio question
  EXPECT_FALSE(FirstStoredFailure(input::SeismicParamFields(), stored).has_value());
  EXPECT_FALSE(FirstStoredFailure(input::GeometryFields(), stored).has_value());
  EXPECT_FALSE(FirstStoredFailure(input::FoundationFields(), stored).has_value());
  EXPECT_FALSE(FirstStoredFailure(input::GeosynFsFields(), stored).has_value());
}

}  // namespace
}  // namespace tervane
