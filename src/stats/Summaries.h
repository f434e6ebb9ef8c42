// The four scoring routines of the summary pages. Each scores every player of
// the loaded log, stores the scores in the records and writes its page of the
// statistics window: title, ranked row captions, bar widths and fill colours.
// They expect the pages laid out for the summary (Main::LayoutSummaryPage) and
// run in the order resource, unit, combat, overall: the overall routine adds
// up the three category scores the others have just stored.
#pragma once

class Main;

void ResourceSummary(Main& main);
void UnitSummary(Main& main);
void CombatSummary(Main& main);
// Also makes every row's unit and combat segments (lnGen2, lnGen3) follow the
// visibility and top that the layout gave its resource segment (lnGen).
void GeneralSummary(Main& main);
