#pragma once
#include <wx/app.h>

class Application : public wxApp {
public:
    bool OnInit() override;
};
