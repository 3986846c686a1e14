// The report's category sections, one table (and for cells, the library
// tables after it) per call. Each lists the dictionary's features of its
// category in dictionary order, worded by the report's naming mode.
#pragma once

#include <string_view>

#include "dictionary/dictionary_store.h"
#include "platform/output_stream.h"
#include "report/report_settings.h"

namespace plotwarden {

// "Linear": linear and shape features.
void writeLinearSection(OutputStream& out, const Dictionary& dictionary,
                        const ReportSettings& report);
// "3D Solids".
void writeSolidsSection(OutputStream& out, const Dictionary& dictionary,
                        const ReportSettings& report);
// "Hatching".
void writeHatchingSection(OutputStream& out, const Dictionary& dictionary,
                          const ReportSettings& report);

// "Annotation": text features with their text settings.
void writeAnnotationSection(OutputStream& out, const Dictionary& dictionary,
                            const ReportSettings& report);

// "Dimensions" and "Leaders": a block of rows per feature, with nested tables
// of its lines, extension lines, terminators and text.
void writeDimensionsSection(OutputStream& out, const Dictionary& dictionary,
                            const ReportSettings& report);
void writeLeadersSection(OutputStream& out, const Dictionary& dictionary,
                         const ReportSettings& report);

// "Cells" ("Blocks" in layer mode). With pictures on, each row has a
// preview, and the tables of the libraries that library features name
// follow the cells table; their listings are looked for beside the report
// at `outputPath`.
void writeCellsSection(OutputStream& out, const Dictionary& dictionary,
                       const ReportSettings& report, bool showImages, std::string_view imageFolder,
                       std::string_view outputPath);

}  // namespace plotwarden
