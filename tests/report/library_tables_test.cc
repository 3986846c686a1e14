#include "report/library_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "keyin/library_listing.h"
#include "support/scratch_folder.h"

namespace plotwarden {
namespace {

using testing::ScratchFolder;

const char kHeading[] =
    "<TR><TD width='100' class='cfeatureheading colLibTableName'>Name</TD>"
    "<TD width='100' class='cfeatureheading colLibTableDesc'>Description</TD>"
    "<TD width='100' class='cfeatureheading csymbolpic'>Cell</TD></TR>\r\n";

// The table of library "symbols" as a report in `reportPath` shows it;
// nothing when its listing cannot be read.
std::string tableBeside(const std::string& reportPath, std::string_view imageFolder) {
  OutputStream out;
  if (const auto listing = readLibraryListing(reportPath, imageFolder, "symbols"))
    writeSymbolLibraryTable(*listing, "symbols", out, imageFolder);
  return std::string(bufferedText(out));
}

std::string tableFor(const ScratchFolder& folder, std::string_view listing,
                     std::string_view imageFolder = "Images\\") {
  folder.write("Images/symbols/DIR_CONTENTS.csv", listing);
  return tableBeside((folder.path() / "report.htm").string(), imageFolder);
}

TEST(SymbolLibraryTable, AListingWithOnlyItsHeadingGivesTheHeadingRow) {
  ScratchFolder folder;
  EXPECT_EQ(tableFor(folder, "Name,Description,Picture\r\n"),
            std::string(kHeading) + "</TABLE>\r\n");
}

TEST(SymbolLibraryTable, AMissingListingWritesNothing) {
  ScratchFolder folder;
  EXPECT_EQ(tableBeside((folder.path() / "report.htm").string(), "Images\\"), "");
}

TEST(SymbolLibraryTable, LinesWithFewerThanThreeFieldsGiveNoRow) {
  ScratchFolder folder;
  const std::string listing =
      std::string(
          "Name,Description,Picture\r\n"
          "NORTH,North arrow,north.png\r\n"
          "\r\n"
          "NORTH,,north.png\r\n"
          "SOUTH,South arrow,south.png,old\r\n"
          ",,EAST, East arrow ,east.png\n"
          "WEST,West\n"
          // The line feed itself is the third field: an empty picture.
          "A,B,\n") +
      std::string("N\0X,desc,pic.png\n", 17) +  // read as text up to the NUL
      "LAST,No line end,last.png\r";
  EXPECT_EQ(tableFor(folder, listing),
            std::string(kHeading) +
                "<TR class='cfeature'><TD class= 'colLibTableName'>NORTH</TD>"
                "<TD class= 'colLibTableDesc'>North arrow</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\north.png\" "
                "alt=\"Images\\symbols\\north.png\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>SOUTH</TD>"
                "<TD class= 'colLibTableDesc'>South arrow</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\south.png\" "
                "alt=\"Images\\symbols\\south.png\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>EAST</TD>"
                "<TD class= 'colLibTableDesc'> East arrow </TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\east.png\" "
                "alt=\"Images\\symbols\\east.png\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>A</TD>"
                "<TD class= 'colLibTableDesc'>B</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\\" "
                "alt=\"Images\\symbols\\\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>LAST</TD>"
                "<TD class= 'colLibTableDesc'>No line end</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\last.png\" "
                "alt=\"Images\\symbols\\last.png\" class='csymbolpic'/></TD></TR>\r\n"
                "</TABLE>\r\n");
}

TEST(SymbolLibraryTable, LongLinesAreReadInPiecesOf499Characters) {
  ScratchFolder folder;
  const std::string h499(499, 'H'), p495(495, 'p'), e494(494, 'e'), x495(495, 'x');
  const std::string listing = h499 + "x,y,z.png\n" +           // the heading's tail is a line
                              "A,B," + p495 + "q,r,s.png\n" +  // 499 characters, then a line
                              "C,D," + e494 + "\n" +           // 499 with its line feed: one piece
                              "F,G," + x495 + "\n";            // 500: the line feed alone follows
  EXPECT_EQ(tableFor(folder, listing),
            std::string(kHeading) +
                "<TR class='cfeature'><TD class= 'colLibTableName'>x</TD>"
                "<TD class= 'colLibTableDesc'>y</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\z.png\" "
                "alt=\"Images\\symbols\\z.png\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>A</TD>"
                "<TD class= 'colLibTableDesc'>B</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\" +
                p495 + "\" alt=\"Images\\symbols\\" + p495 +
                "\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>q</TD>"
                "<TD class= 'colLibTableDesc'>r</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\s.png\" "
                "alt=\"Images\\symbols\\s.png\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>C</TD>"
                "<TD class= 'colLibTableDesc'>D</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\" +
                e494 + "\" alt=\"Images\\symbols\\" + e494 +
                "\" class='csymbolpic'/></TD></TR>\r\n"
                "<TR class='cfeature'><TD class= 'colLibTableName'>F</TD>"
                "<TD class= 'colLibTableDesc'>G</TD>"
                "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\" +
                x495 + "\" alt=\"Images\\symbols\\" + x495 +
                "\" class='csymbolpic'/></TD></TR>\r\n"
                "</TABLE>\r\n");
}

TEST(SymbolLibraryTable, AnAbsoluteImageFolderNamesNoListing) {
  ScratchFolder folder;
  EXPECT_EQ(tableFor(folder, "Name,Description,Picture\r\n", "C:\\pictures\\"), "");
}

// The listing is looked for in the folder the output path names, even a
// relative one, and in the current folder when it names none.
TEST(SymbolLibraryTable, ARelativeReportPathIsTakenFromTheCurrentFolder) {
  ScratchFolder folder;
  folder.write("out/Images/symbols/DIR_CONTENTS.csv", "heading\nN,D,n.png\n");
  folder.write("Images/symbols/DIR_CONTENTS.csv", "heading\n");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  const std::string inOut = tableBeside("out\\report.htm", "Images\\");
  const std::string here = tableBeside("report.htm", "Images\\");
  std::filesystem::current_path(previous);
  EXPECT_EQ(inOut, std::string(kHeading) +
                       "<TR class='cfeature'><TD class= 'colLibTableName'>N</TD>"
                       "<TD class= 'colLibTableDesc'>D</TD>"
                       "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\n.png\" "
                       "alt=\"Images\\symbols\\n.png\" class='csymbolpic'/></TD></TR>\r\n"
                       "</TABLE>\r\n");
  EXPECT_EQ(here, std::string(kHeading) + "</TABLE>\r\n");
}

// The anchor and the two headings of a library's block, before its table.
std::string libraryBlock(std::string_view title, std::string_view text) {
  return "<A id=\"" + std::string(title) + "\"></A>\r\n" +
         "<TABLE><TR><TD class='cfeaturetypeheading'>Symbol Library: " + std::string(title) +
         "</TD></TR></TABLE>\r\n<TABLE cellspacing='1' class='featuretable'>\r\n" +
         "<TABLE><TR><TD class='cfeaturetypeheading'>" + std::string(text) +
         "</TD></TR></TABLE>\r\n<TABLE cellspacing='1' class='featuretable'>\r\n";
}

// The blocks of the named libraries, with the "symbols" listing given and
// no other, in layer mode.
std::string writtenTables(const std::vector<NamedLibrary>& libraries,
                          std::string_view symbolsListing) {
  ScratchFolder folder;
  folder.write("Images/symbols/DIR_CONTENTS.csv", symbolsListing);
  OutputStream out;
  writeLibraryTables(libraries, out, "Images\\", (folder.path() / "report.htm").string());
  return std::string(bufferedText(out));
}

TEST(LibraryTables, EachTitledLibraryGetsAnAnchorTwoHeadingsAndItsTable) {
  const std::vector<NamedLibrary> libraries = {
      {"C:\\cells\\symbols.cel", "symbols"},
      {"D:\\lib\\", ""},
      {"roads.cel", "roads"},
  };
  EXPECT_EQ(writtenTables(libraries, "Name,Description,Picture\n"),
            libraryBlock("symbols", "C:\\cells\\symbols.cel") + kHeading + "</TABLE>\r\n" +
                libraryBlock("roads", "roads.cel"));
}

// A library named again (by another text with the same title) gets its
// block again, its table as the listing gave it the first time; one whose
// listing cannot be read stays without a table every time.
TEST(LibraryTables, ALibraryNamedAgainGetsTheSameTable) {
  const std::vector<NamedLibrary> libraries = {
      {"C:\\cells\\symbols.cel", "symbols"},
      {"roads.cel", "roads"},
      {"D:\\symbols.cel", "symbols"},
      {"roads.cel", "roads"},
  };
  const std::string table = std::string(kHeading) +
                            "<TR class='cfeature'><TD class= 'colLibTableName'>n</TD>"
                            "<TD class= 'colLibTableDesc'>D</TD>"
                            "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\n.png\" "
                            "alt=\"Images\\symbols\\n.png\" class='csymbolpic'/></TD></TR>\r\n"
                            "</TABLE>\r\n";
  EXPECT_EQ(writtenTables(libraries, "Name,Description,Picture\nn,D,n.png\n"),
            libraryBlock("symbols", "C:\\cells\\symbols.cel") + table +
                libraryBlock("roads", "roads.cel") + libraryBlock("symbols", "D:\\symbols.cel") +
                table + libraryBlock("roads", "roads.cel"));
}

TEST(LibraryTables, ALongTitleIsNotCut) {
  const std::string title(300, 't');
  const std::vector<NamedLibrary> libraries = {
      {"x", title},
  };
  OutputStream out;
  writeLibraryTables(libraries, out, "Images\\", "nowhere\\report.htm");
  EXPECT_EQ(bufferedText(out),
            "<A id=\"" + title + "\"></A>\r\n" +
                "<TABLE><TR><TD class='cfeaturetypeheading'>Symbol Library: " + title +
                "</TD></TR></TABLE>\r\n"
                "<TABLE cellspacing='1' class='featuretable'>\r\n"
                "<TABLE><TR><TD class='cfeaturetypeheading'>x</TD></TR></TABLE>\r\n"
                "<TABLE cellspacing='1' class='featuretable'>\r\n");
}

}  // namespace
}  // namespace plotwarden
