#pragma once

class PrintDocument;
class QPrinter;

// Printing a finished printout on a printer (or a print preview).
namespace DocumentPrinter {

// Puts the document's paper and orientation into the printer, printing on
// the whole sheet: the document carries its own margins.
void prepare(QPrinter &printer, const PrintDocument &document);

// Paints the pages, each scaled to fit the printer's paper and centred on
// it. With honourRange the printer's page range (from its dialog) decides
// which pages; a preview always shows them all. False when the printer
// could not be started.
bool paint(QPrinter &printer, const PrintDocument &document, bool honourRange);

} // namespace DocumentPrinter
