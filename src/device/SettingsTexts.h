#pragma once

// What the settings dialog and `dextrel-logger set` tell the user, in UTF-8, so that both say
// exactly the same.
namespace SettingsTexts {

constexpr const char* MessageCaption = "Message";

constexpr const char* SendFailed =
    "Setarile de Descarcare au esuat: Deconectati si reintroduceti cablul USB.";
constexpr const char* ClockFailed = "Setarea Ceasului a esuat";
constexpr const char* ThresholdFailed = "Setarea Pragului de flux a esuat";
constexpr const char* AutoLogFailed = "Functia jurnal automat a esuat";

constexpr const char* ReenterValue = "Reintroduceti valoarea";
constexpr const char* VeryHighThresholds = "Avertizare  valori foarte mari pentru limite";
constexpr const char* OnBelowOff = "Nivelul de activare automata trebuie sa fie mai ridicat "
                                   "dec\xC3\xA2t cel de dezactivare automata!";
constexpr const char* DelayBelowPeriod =
    "Rata de esantionare trebuie scazuta pentru a atinge aceasta setare de intarziere";
constexpr const char* VeryLongDelays = "Atentie valori prea mari pentru pragul de am\xC3\xA2nare";

// Shown in a time field while the logger's clock could not be read.
constexpr const char* NoClock = "--";

} // namespace SettingsTexts
