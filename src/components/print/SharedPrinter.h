// The one printer that every print of the program uses: grids, charts and the
// printer set-up all read and change the same page size, margins and device.
#pragma once

class QPrinter;

// The shared printer, made on first use (A4, 10 mm margins, high resolution).
QPrinter& sharedPrinter();
