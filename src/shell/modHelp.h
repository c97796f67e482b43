// Help module: web links, the text codec of saved charts and settings, and the
// update reminder.
#pragma once

#include "shell/modHelp_Codec.h"
#include "shell/modHelp_UpdateReminder.h"
#include "shell/modHelp_WebLinks.h"
