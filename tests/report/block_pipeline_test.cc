#include "report/block_pipeline.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

#include "dictionary/dictionary_reader.h"
#include "report/sections.h"
#include "support/scratch_folder.h"

namespace plotwarden {
namespace {

using testing::ScratchFolder;

TEST(BlockPipeline, BlocksReachTheStreamInOrderWithTheirLibraries) {
  for (BlockConcurrency concurrency :
       {BlockConcurrency{1, 1}, BlockConcurrency{3, 1}, BlockConcurrency{8, 1}}) {
    OutputStream out;
    ReportSettings report;
    report.blocks = concurrency;
    TableWriter writer(out, report);
    std::string expected;
    for (size_t block = 0; block < 500; ++block) expected += std::to_string(block) + "\r\n";
    writeBlocksInOrder(writer, 500, [](TableWriter& blockWriter, size_t block) {
      put(blockWriter.out, std::to_string(block) + "\n");
      blockWriter.libraries.push_back({std::to_string(block), ""});
    });
    EXPECT_EQ(bufferedText(out), expected) << concurrency.threads;
    ASSERT_EQ(writer.libraries.size(), 500u);
    EXPECT_EQ(writer.libraries.front().text, "0");
    EXPECT_EQ(writer.libraries.back().text, "499");
  }
}

TEST(BlockPipeline, RunningOutOfMemoryInABlockReachesTheCaller) {
  OutputStream out;
  ReportSettings report;
  report.blocks = {4, 1};
  TableWriter writer(out, report);
  EXPECT_THROW(writeBlocksInOrder(writer, 1000,
                                  [](TableWriter& blockWriter, size_t block) {
                                    if (block == 37) throw std::bad_alloc();
                                    put(blockWriter.out, "x");
                                  }),
               std::bad_alloc);
}

// Dictionary text of `rows` features of every kind: quoted fields, brackets,
// colours taken from cells, key-ins with libraries, dimension and text
// settings, and a line end inside a quoted field.
std::string varietyText(int rows) {
  std::string text =
      "FEATURE NAME,LEVEL,COLOUR,RGB,WEIGHT,LINE STYLE,TEXT STYLE,TEXT FONT,TEXT SCALE,"
      "LINE SPACING,CELL NAME,DIM STYLE,KEY-IN\n";
  const std::array<const char*, 6> shapes = {
      ",RD_CL [Roads],1,808080,\"2\",Dashed [2],,,,,,,active class construction\n",
      ",\"SV \"\"A\"\"\",ByCell(804000),FFFF00,3,0,,,,,,,attach library C:\\cells\\lib@.cel;"
      "place cell MH;active scale 2.500\n",
      ",BND,5 [blue],0000FF,1,Continuous,Notes,Arial,w = 1.20 [mm],2.000,,,"
      "ts=2.000;active class primary\n",
      ",DIM,42,,3,Fence [7],,,,,,Setting Out,dimension text capsule 1;dimension text orient 7;"
      "dimension terminator arrow 2\n",
      ",,ByBlock(00FF00),,0,0,,,,,,,\"rc=C:\\cells\\trees.cel;\nactive fill on\"\n",
      ",LEADER,7 [white],FF0000,1,0,Road Names,Arial Narrow,2.5x3,1.500,,,lt=2\n",
  };
  for (int row = 0; row < rows; ++row) {
    text += "Feature " + std::to_string(row);
    // '@' stands for one of three library and cell numbers.
    for (const char* c = shapes[static_cast<size_t>(row) % shapes.size()]; *c; ++c)
      text += *c == '@' ? static_cast<char>('0' + row % 3) : *c;
  }
  return text;
}

std::string everySection(const Dictionary& dictionary, const std::string& reportPath,
                         BlockConcurrency blocks) {
  ReportSettings report;
  report.blocks = blocks;
  OutputStream out;
  writeLinearSection(out, dictionary, report);
  writeAnnotationSection(out, dictionary, report);
  writeDimensionsSection(out, dictionary, report);
  writeCellsSection(out, dictionary, report, true, "Images\\", reportPath);
  writeSolidsSection(out, dictionary, report);
  writeHatchingSection(out, dictionary, report);
  writeLeadersSection(out, dictionary, report);
  return std::string(bufferedText(out));
}

TEST(BlockPipeline, SectionsWrittenInBlocksEqualThoseWrittenWhole) {
  Dictionary dictionary;
  ASSERT_TRUE(loadDictionaryText(dictionary, varietyText(700), ',', '"', '#').ok());
  ASSERT_EQ(dictionary.featureCount(), 701);  // and the empty one the text ends with
  constexpr std::array kCategories = {CATEGORY_LINEAR,     CATEGORY_CELLS,   CATEGORY_TEXT,
                                      CATEGORY_DIMENSIONS, CATEGORY_NONE,    CATEGORY_SOLIDS,
                                      CATEGORY_HATCHING,   CATEGORY_LEADERS, CATEGORY_CELLS};
  for (size_t i = 0; i < dictionary.features.size(); ++i)
    dictionary.features[i].category = kCategories[i % kCategories.size()];

  // One library has a listing beside the report, so its table has rows.
  ScratchFolder folder;
  std::filesystem::create_directories(folder.path() / "Images" / "lib1");
  std::ofstream(folder.path() / "Images" / "lib1" / "DIR_CONTENTS.csv")
      << "Name,Description,Picture\nMH,Manhole,mh.png\n";
  const std::string reportPath = (folder.path() / "report.html").string();

  std::string whole;
  whole = everySection(dictionary, reportPath, {1, 1 << 30});
  ASSERT_NE(whole.find("Symbol Library: lib1"), std::string::npos);
  for (BlockConcurrency concurrency :
       {BlockConcurrency{2, 1}, BlockConcurrency{4, 7}, BlockConcurrency{8, 256}}) {
    EXPECT_EQ(everySection(dictionary, reportPath, concurrency), whole)
        << concurrency.threads << " threads, blocks of " << concurrency.featuresPerBlock;
  }
}

}  // namespace
}  // namespace plotwarden
