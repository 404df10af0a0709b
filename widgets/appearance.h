#pragma once
// How the windows look on any desktop: the fonts their fixed layouts were drawn for, at any screen scale.

class QLabel;

// Before the application object exists: whole windows scale on a high-density screen, with sharp images.
void prepareScreenScaling();

// Once the application object exists: the dialog font the forms were drawn for, and the families they name
// mapped to fonts with the same widths.
void useLayoutFonts();

// Sets the label's font to the largest size from pointSize down to minimumPointSize at which its text, wrapped
// at spaces only, fits the label; the smallest size when none does. Returns the size set.
int fitLabelText(QLabel* label, int pointSize, int minimumPointSize);
