// The generator's pure rules: its seed grids and the symmetries it thins them by.
#include "control/generator.h"

namespace tessora {

namespace {

const char* const kSeedGrids[6][9] = {
    {"edaigfhbc", "figchbaed", "chbeadfig", "deifcgbha", "aghdbecfi", "bfchiadge", "iafgdhecb", "gbeafcidh",
     "hcdbeigaf"},
    {"fedibghca", "cgadehfbi", "ibhfacdeg", "dcebhagif", "gfiecdbah", "ahbgfiedc", "edcagfihb", "higcdbafe",
     "bafhiecgd"},
    {"ighcefabd", "bfdiagche", "eacdhbfgi", "fcghbidea", "aiegfdbch", "hdbecaifg", "geafichdb", "chibdegaf",
     "dbfagheic"},
    {"cihgbaedf", "adfhcebgi", "ebgfdihac", "habdfcgie", "icdeghafb", "gfeiabchd", "fhicegdba", "bgcaidfeh",
     "deabhficg"},
    {"cdeaibgfh", "ibhdgfeca", "fgaechbdi", "bacifdheg", "ehicbgfad", "gfdhaeibc", "dibgeachf", "acfbhidge",
     "hegfdcaib"},
    {"cfbdaiheg", "dgebchaif", "hiagfebcd", "baiehgdfc", "ghfadcibe", "ecdibfgah", "iehcgbfda", "fdchiaegb",
     "abgfedchi"},
};

}  // namespace

const char* const* SeedGrid(int index) { return kSeedGrids[index]; }

int SymmetricPartner(int cell, int kind) {
  const int r = cell / 9, c = cell % 9;
  int partner = cell;
  if (kind == 0) partner = 80 - cell;
  else if (kind == 1) partner = 9 * r + (8 - c);
  else partner = 9 * (8 - r) + c;
  return partner == cell ? -1 : partner;
}

}  // namespace tessora
