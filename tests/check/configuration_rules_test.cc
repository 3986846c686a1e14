#include "check/configuration_rules.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

TEST(ConfigurationRules, SettingKeysTheParserDoesNotKnowAreNamed) {
  Findings findings;
  checkSettingKeys("p.cfg",
                   "\xEF\xBB\xBFOUT=report.html\r\n"
                   "img=noimages\r\n"
                   " Css = embed\r\n"
                   "out =x.html\r\n"
                   "layout=1\r\n"
                   ",\r\n"
                   "Civil,Roads=1,a,b,1,0,civil.csv\r\n",
                   findings);
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_EQ(findings[0].line, 1u);
  EXPECT_EQ(findings[0].code, "setting-key");
  EXPECT_EQ(findings[0].message,
            "'OUT=report.html' is no setting: a setting line holds its key in lower case with '=' "
            "right after it (out=); this line is read as a content line");
  EXPECT_EQ(findings[1].line, 3u);
  EXPECT_EQ(findings[2].line, 4u);
}

}  // namespace
}  // namespace plotwarden
