#include "widgets/ResourceBitmap.h"

#include "EmbeddedResources.h"

#include <wx/mstream.h>

void EnsureImageHandlers() {
    // Registering a handler twice only draws a warning, but registering them once is enough.
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxInitAllImageHandlers();
    }
}

wxImage ResourceImage(const char* name) {
    const EmbeddedResource* resource = FindEmbeddedResource(name);
    wxCHECK_MSG(resource != nullptr, wxImage(), wxString::Format("no image named %s", name));
    EnsureImageHandlers();
    wxMemoryInputStream stream(resource->data, resource->size);
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}

wxBitmap ResourceBitmap(const char* name) {
    wxImage image = ResourceImage(name);
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}
