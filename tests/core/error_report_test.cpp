#include "core/ErrorReport.h"
#include "core/Failure.h"

#include <gtest/gtest.h>

namespace {

struct ReportCase {
    const char* message;
    const char* shown;
};

class ErrorReportText : public testing::TestWithParam<ReportCase> {};

TEST_P(ErrorReportText, AppendsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(quillon::errorReportText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorReportText,
    testing::Values(ReportCase{"Cannot open file C:\\A.TXT", "Cannot open file C:\\A.TXT."},
                    ReportCase{"Failed to set data for 'tasm'", "Failed to set data for 'tasm'"},
                    ReportCase{"Done.", "Done."}, ReportCase{"Really!", "Really!"},
                    ReportCase{"Sum+", "Sum+"}, ReportCase{"dash-", "dash-"},
                    ReportCase{"slash/", "slash/."}, ReportCase{"x9", "x9."},
                    ReportCase{"Fertig\xc3\xa4", "Fertig\xc3\xa4."}, ReportCase{"", ""}));

TEST(FormatMessage, ReplacesThePlaceholderWithTheArgument)
{
    EXPECT_EQ(quillon::formatMessage("Invalid data type for '%s'", "tasm"),
              "Invalid data type for 'tasm'");
    EXPECT_EQ(quillon::formatMessage("Cannot create file %s", ""), "Cannot create file ");
}

} // namespace
