#include "app/AppSettings.h"

AppSettingsBlock AppSettings;
