// Writes a table of realistic samples for quelbor-calc --batch, as a German spreadsheet saves
// it: ";" between cells, decimal commas, a header naming the seven inputs between a sample name,
// a date and a note. Values lie in the ranges a ceramics lab measures; the same row count
// always gives the same table.
//   quelbor_sample_table ROWS > samples.csv

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

struct Range
{
    double low;
    double high;
    int decimals;
};

// rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig
constexpr Range inputRanges[] = {{1600, 2100, 0}, {0.18, 0.32, 3}, {0.12, 0.24, 3}, {3, 9, 1},
                                 {10, 90, 1},     {18, 40, 1},     {6, 10, 1}};

void writeNumber(std::mt19937_64 &random, const Range &range, char *cell, std::size_t size)
{
    std::uniform_real_distribution<double> value(range.low, range.high);
    std::snprintf(cell, size, "%.*f", range.decimals, value(random));
    for (char *c = cell; *c; ++c) {
        if (*c == '.')
            *c = ',';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quelbor_sample_table ROWS\n");
        return 2;
    }
    const long rows = std::strtol(argv[1], nullptr, 10);
    std::mt19937_64 random(20061205);
    std::uniform_int_distribution<int> day(1, 28);
    std::printf("Probe;Datum;rhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig;Bemerkung\n");
    for (long row = 1; row <= rows; ++row) {
        std::printf("Ton %ld;%02d.%02ld.2026", row, day(random), row % 12 + 1);
        for (const Range &range : inputRanges) {
            char cell[32];
            writeNumber(random, range, cell, sizeof cell);
            std::printf(";%s", cell);
        }
        std::printf(";%s\n", row % 10 == 0 ? "\"Charge 7; nachgemessen\"" : "");
    }
    return 0;
}
