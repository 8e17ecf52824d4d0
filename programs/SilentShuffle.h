// The shuffle a day program asks for when it is loaded: the songs list in a new order from
// the program's one rand generator (the one the "S" shuffle draws from), with no status
// text, no log entry and no marks kept.
#pragma once

class CrtRand;
class SongsList;

void ShuffleSilently(SongsList& list, CrtRand& rand);
