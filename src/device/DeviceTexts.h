#pragma once
#include <wx/string.h>

// The texts the device operations show the user, in one place so that the window and its
// tests cannot drift apart.
namespace DeviceTexts {

// A failed logger operation, by the logger's own error code (0: none, or no answer).
wxString UsbError(unsigned char errorCode);

wxString LiveHeaderFailed();
wxString LiveLoggingOnFailed();
wxString LiveConnectionLost();
wxString LiveLoggingOffFailed();

wxString DownloadProgressTitle();
wxString DownloadProgressMessage(int fileCount);
wxString DownloadDamagedMemory();
wxString DownloadUnsavedQuestion();
wxString DownloadUnsavedCaption();
wxString DownloadSaveQuestion();
wxString DownloadSaveCaption();

wxString ClearQuestion();
wxString ClearCaption();

} // namespace DeviceTexts
