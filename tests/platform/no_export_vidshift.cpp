// A library that loads but lacks Change_Graphics_Mode.
extern "C" int Something_Else() { return 0; }
