// TEMPORARY: empty bodies so that the library links until the log opening,
// the summary pages and the player views are written. Delete each one here
// when its real definition lands (MainOpenLog.cpp, MainSummary.cpp,
// MainPlayerView.cpp).
#include "stats/Main.h"

void Main::ShowSummaryView() {}
void Main::ShowPlayerView(int) {}
void Main::cbView_Click(int) {}
