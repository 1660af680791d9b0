#pragma once
// The calibration sheet: one portrait page that shows where the printer
// really puts what is meant to land at a known distance from the sheet's
// physical edges.
//
// Four crosshairs stand CalibrationInset from the left or right and from
// the top or bottom edge. From the top-left crosshair a centimetre ruler
// runs to the right along its horizontal line and another down along its
// vertical line; each centimetre tick is numbered with its distance from
// the left (or top) edge. Laying a ruler at the paper's edge shows how far
// the printer shifts the page: what it measures more than the printed
// number is to be taken off the horizontal (or vertical) margin, what it
// measures less is to be added. The rulers also show whether the printer
// keeps true size.

#include "Printing.h"

class TPrintJob;

// Centimetres from the physical edges to the crosshairs' lines.
constexpr double CalibrationInsetCm = 3.0;
// Half the length of a crosshair's arms.
constexpr double CalibrationArmCm = 1.0;

// Prints the sheet in one job. An error discards the job and gives a
// Failed outcome with the error's text.
TPrintOutcome PrintCalibrationSheet(TPrintJob &job);
