#pragma once

class TBVPrinter;

// Prints the page printer's stored pages with the progress window "Printing
// progress" (when showProgress is on), whose Cancel stops after the page
// being printed. Throws EBVError as TBVPrinter::PrintStoredPages does.
void printStoredPages(TBVPrinter& printer, bool showProgress);
