#pragma once
// The exported document on paper: laid out page by page as the word
// processor shows it, for the print preview from which the user prints.
#include <string>

#include "output/docx_writer.h"

class QPagedPaintDevice;
class QPrinter;

namespace morvadel {

// The printer's page as the document's: A4, landscape, one-inch margins.
void SetDocumentPage(const DocDocument& doc, QPrinter& printer);

// Paints the document's pages onto a printer (or the preview's printer),
// honouring its fonts, blanks and page breaks. Returns the number of pages.
int PaintDocument(const DocDocument& doc, QPagedPaintDevice& device);

// The program's print preview of the document, titled with the file that
// holds it, from which the user prints; modal. The memory it took goes back
// to the system when it closes.
void ShowDocumentPreview(const DocDocument& doc, const std::string& path, int16_t language);

}  // namespace morvadel
