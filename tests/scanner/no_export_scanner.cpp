// A scanner library that loads but lacks FIND_main.
extern "C" int FIND_other() { return 7; }
