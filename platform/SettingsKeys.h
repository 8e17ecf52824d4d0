// The shared settings' value names and their defaults now live in the settings table.
#pragma once

#include "platform/SettingsTable.h"
