#include "report/modern_markup.h"

#include <gtest/gtest.h>

#include "report/html_text.h"

namespace plotwarden {
namespace {

TEST(ModernMarkup, AnchorsAreLowerCaseLettersAndDigitsJoinedByDashes) {
  const std::pair<const char*, const char*> cases[] = {
      {"Civil Works", "civil-works"},
      {"  NLCS 5.1 (2024) ", "nlcs-5-1-2024"},
      {"3D Solids", "3d-solids"},
      {"Straße", "stra-e"},
      {"***", "x"},
      {"", "x"},
  };
  for (const auto& [name, anchor] : cases) EXPECT_EQ(anchorOf(name), anchor) << name;
}

TEST(ModernMarkup, TextIsEscapedEverywhere) {
  EXPECT_EQ(escaped("Pipe <DN100> & valve \"A\" 'B'"),
            "Pipe &lt;DN100&gt; &amp; valve &quot;A&quot; &#39;B&#39;");
  std::string html;
  appendSwatchCell(html, ColourValue{"3<b>", "x&y", "00FF00", true});
  EXPECT_EQ(html, "<span class=\"swatch\" style=\"background:#00FF00\"></span>3&lt;b&gt;[x&amp;y]");
}

TEST(ModernMarkup, OnlySixHexadecimalDigitsPaintASwatch) {
  for (const char* swatch : {"", "00FF0", "00FF00\" onclick=\"x", "GG0000"}) {
    std::string html;
    appendSwatchCell(html, ColourValue{"3", "", swatch, true});
    EXPECT_EQ(html, "3") << swatch;
  }
  std::string yes;
  appendSwatchCell(yes, ColourValue{"yes", "", "", false});
  EXPECT_EQ(yes, "yes");
}

TEST(ModernMarkup, PicturePathsAreUrls) {
  std::string html;
  appendPreviewCell(html, "MH01", "drainage", false, "Images\\");
  EXPECT_EQ(html, "<img src=\"Images/drainage/MH01.png\" alt=\"MH01\" loading=\"lazy\">");
  html.clear();
  appendPreviewCell(html, "", "my lib", true, "Images\\");
  EXPECT_EQ(html,
            "<a href=\"#library-my-lib\"><img src=\"Images/LIBRARY_IMAGE.png\" alt=\"my lib\" "
            "loading=\"lazy\"></a>");
}

}  // namespace
}  // namespace plotwarden
