// Help module: web links, the text codec of saved charts and settings, and the
// update reminder.
#pragma once

#include "chart/modHelp_Codec.h"
#include "windows/modHelp_UpdateReminder.h"
#include "windows/modHelp_WebLinks.h"
