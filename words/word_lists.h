// The fifteen word lists of the word retention exercise, five groups for each of three levels.
#pragma once

#include <array>
#include <string_view>
#include <vector>

// One list: its group (1 .. 5, chosen by the group counter), its level (1 .. 3, the variant),
// how many words it holds and its text, lower-case words separated by "\n" with none at the end.
struct WordList {
  int group;
  int level;
  int word_count;
  std::string_view text;
};

// Group 5 is shorter than the others at levels 1 and 2 (9 and 14 words); the round counts the
// words actually shown, so it needs no padding.
// clang-format off
inline constexpr std::array<WordList, 15> WordLists{{
    {1, 1, 10, "auto\nvogel\nsicherung\nhof\nfahrrad\nbaum\nhund\nstempel\nbalkon\nlaub"},
    {1, 2, 15, "mofa\nigel\nschreibtisch\nsofa\ntisch\nrohr\ngewehr\nzucker\nbirne\nregen\nkirche\nluft\nmann\nball\nturm"},
    {1, 3, 15, "lieben\nbeten\nhaben\nahnen\nsuchen\ngas\nnotwehr\nhauch\nbetreten\nablegen\nbesuchen\nbetucht\nlachen\ninfo\nkalt"},
    {2, 1, 10, "auto\nhupe\nlampe\nlicht\nleuchtturm\nhaus\ngarten\nampel\nschlüssel\nhammel"},
    {2, 2, 15, "wecker\nkamin\nbett\nblume\nschere\ntür\nrasen\nwatte\nschalter\nflugzeug\nrentier\nzweig\nbalon\ndraht\nwurm"},
    {2, 3, 15, "warm\nleicht\nklug\nneblig\nsandig\nhelium\neventuell\nunsere\neigentum\nwelle\nbetteln\ngeben\nausgaben\nplanen\nriesig"},
    {3, 1, 10, "tanne\nolive\ntomate\napfel\nradio\nbleistift\nbuch\namsel\nantenne\nboot"},
    {3, 2, 15, "schiff\nrucksack\ngeländer\nast\ndose\njacke\nspiegel\nboden\nknopf\npflanze\nflagge\nhampelmann\nperücke\nblech\nthermometer"},
    {3, 3, 15, "baumwolle\nsegel\nratgeber\nheiß\nnass\nwollig\nwohlfühlen\nschmecken\nriechen\nhell\nmogeln\nsüß\nrache\nneugierig\nniesen"},
    {4, 1, 10, "rot\nwand\nlaterne\nfuß\nlautsprecher\nstern\nsonne\nfinger\nheizung\neisbecher"},
    {4, 2, 15, "tuch\nriegel\nheft\nstein\nkanne\nsonne\nreibe\nkarten\nstecker\nharz\nfernglas\nmühle\nklemme\nlocher\nglobus"},
    {4, 3, 15, "pflegen\nhamburg\neuropa\nhauptstadt\nader\nordnung\nhegen\nausgehen\ndonnerstag\nwind\ntochter\nschirm\nrauch\nfauchen\nkratzen"},
    {5, 1,  9, "telefon\nsirene\nlandstraße\nheulboje\nwasser\nsaft\nsteckdose\ntaschenrechner\nwarndreieck"},
    {5, 2, 14, "eisbrecher\nnagel\nschneewolke\ntafel\nesel\npapier\nrotwein\nbanane\nflasche\nstuhl\nscanner\ntastatur\nwimper\nnest"},
    {5, 3, 15, "windig\ndüsseldorf\nafrika\nquadraht\nfehlen\nflehen\ngrinsen\ngenuss\nfriede\nfreude\nwohlhabend\nsoftware\nsicherheit\nfunkelwerk\nheranziehen"},
}};
// clang-format on

// The text of the list of `group` at `level`; empty when there is no such list.
std::string_view word_list_text(int group, int level);

// The lines of `list_text` in order, split at "\n"; none for an empty text.
std::vector<std::string_view> words_of(std::string_view list_text);
