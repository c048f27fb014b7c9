#pragma once
#include <wx/bitmap.h>
#include <wx/image.h>

// Images compiled into the program (resources/images/NAME.png). A missing name is a
// programming error: it asserts and gives an invalid bitmap.
wxImage ResourceImage(const char* name);
wxBitmap ResourceBitmap(const char* name);

// Registers the toolkit's image file handlers (PNG for these images, the others for saving
// and reading pictures), once.
void EnsureImageHandlers();
