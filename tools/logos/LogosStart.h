// What the logos tool takes from its surroundings once at start-up: the "Sources" folder
// of the start folder (made when missing) and the main program's advert-list folder.
#pragma once

#include <QString>

class SettingsStore;

// <startFolder>Sources, created when missing; startFolder ends with '/'.
QString MakeSourcesFolder(const QString& startFolder);
// "Def AD List Folder", at most 255 bytes as stored, empty when it is not set. The tool
// only reads settings.
QString EplFolderSetting(const SettingsStore& settings);
