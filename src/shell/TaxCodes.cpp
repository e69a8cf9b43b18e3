#include "shell/TaxCodes.h"

#include "common/Text.h"
#include "shell/TfrmCodFisc.h"
#include "shell/TfrmPartitaIva.h"

#include <array>

namespace shell {

namespace {

// Conversion values of the characters "0" (48) to "Z" (90); ":" to "@" have none and count 0.
constexpr int kFirst = 48;
constexpr std::array<int, 43> kOdd = {
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21,    // 0-9
    0,  0,  0,  0,  0,  0,  0,                 // : ; < = > ? @
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2, // A-K
    4,  18, 20, 11, 3,  6,  8,  12, 14, 16,    // L-U
    10, 22, 25, 24, 23,                        // V-Z
};
constexpr std::array<int, 43> kEven = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  // 0-9
    0,  0,  0,  0,  0,  0,  0,              // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  // A-J
    10, 11, 12, 13, 14, 15, 16, 17, 18, 19, // K-T
    20, 21, 22, 23, 24, 25,                 // U-Z
};

bool isDigitOrAZ(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

struct Office {
    const char* code;
    const char* name;
};

constexpr Office kOffices[] = {
    {"001", "Torino"},
    {"002", "Vercelli"},
    {"003", "Novara"},
    {"004", "Cuneo"},
    {"005", "Asti"},
    {"006", "Alessandria"},
    {"007", "Aosta"},
    {"008", "Imperia"},
    {"009", "Savona"},
    {"010", "Genova 1"},
    {"011", "La Spezia"},
    {"012", "Varese"},
    {"013", "Como"},
    {"014", "Sondrio"},
    {"015", "Milano 1"},
    {"016", "Bergamo"},
    {"017", "Brescia 1"},
    {"018", "Pavia"},
    {"019", "Cremona"},
    {"020", "Mantova"},
    {"021", "Bolzano"},
    {"022", "Trento"},
    {"023", "Verona"},
    {"024", "Vicenza"},
    {"025", "Belluno"},
    {"026", "Treviso"},
    {"027", "Venezia"},
    {"028", "Padova"},
    {"029", "Rovigo"},
    {"030", "Udine"},
    {"031", "Gorizia"},
    {"032", "Trieste"},
    {"033", "Piacenza"},
    {"034", "Parma"},
    {"035", "Reggio Emilia"},
    {"036", "Modena"},
    {"037", "Bologna 1"},
    {"038", "Ferrara"},
    {"039", "Ravenna"},
    {"040", "Forlì"},
    {"041", "Pesaro"},
    {"042", "Ancona"},
    {"043", "Macerata"},
    {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"},
    {"046", "Lucca"},
    {"047", "Pistoia"},
    {"048", "Firenze 1"},
    {"049", "Livorno"},
    {"050", "Pisa"},
    {"051", "Arezzo"},
    {"052", "Siena"},
    {"053", "Grosseto"},
    {"054", "Perugia"},
    {"055", "Terni"},
    {"056", "Viterbo"},
    {"057", "Rieti"},
    {"058", "Roma 1"},
    {"059", "Latina"},
    {"060", "Frosinone"},
    {"061", "Caserta"},
    {"062", "Benevento"},
    {"063", "Napoli 1"},
    {"064", "Avellino"},
    {"065", "Salerno"},
    {"066", "Aquila"},
    {"067", "Teramo"},
    {"068", "Pescara"},
    {"069", "Chieti"},
    {"070", "Campobasso"},
    {"071", "Foggia"},
    {"072", "Bari"},
    {"073", "Taranto"},
    {"074", "Brindisi"},
    {"075", "Lecce"},
    {"076", "Potenza"},
    {"077", "Matera"},
    {"078", "Cosenza"},
    {"079", "Catanzaro"},
    {"080", "Reggio Calabria"},
    {"081", "Trapani"},
    {"082", "Palermo"},
    {"083", "Messina"},
    {"084", "Agrigento"},
    {"085", "Caltanissetta"},
    {"086", "Enna"},
    {"087", "Catania"},
    {"088", "Ragusa"},
    {"089", "Siracusa"},
    {"090", "Sassari"},
    {"091", "Nuoro"},
    {"092", "Cagliari"},
    {"093", "Pordenone"},
    {"094", "Isernia"},
    {"095", "Oristano"},
    {"096", "Monza (Milano 2)"},
    {"097", "Prato (Firenze 2)"},
    {"098", "Brescia 2"},
    {"099", "Chiavari (Genova 2)"},
    {"100", "Roma 2"},
    {"101", "Bologna 2"},
    {"102", "Napoli 2"},
    {"120", "Bologna 2"},
    {"121", "Napoli 2"},
};
static_assert(std::size(kOffices) == 104);

} // namespace

bool IsValidCodFisc(const QString& s) {
    if (s.size() != 16)
        return false;
    int sum = 0;
    for (int p = 1; p <= 15; ++p) {
        const QChar c = s.at(p - 1);
        // Outside the conversion tables: the code cannot be right.
        if (!isDigitOrAZ(c))
            return false;
        const int index = c.unicode() - kFirst;
        sum += (p % 2 == 1) ? kOdd[index] : kEven[index];
    }
    return s.at(15) == QChar(65 + sum % 26);
}

bool IsValidPartitaIva(const QString& s) {
    if (s.size() != 11 || !common::IsNumeric(s))
        return false;
    int sum = 0;
    for (int p = 1; p <= 10; ++p) {
        const int d = s.at(p - 1).unicode() - '0';
        sum += (p % 2 == 1) ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return s.at(10).unicode() - '0' == check;
}

QString vatOffice(const QString& code) {
    for (const Office& office : kOffices)
        if (code == QLatin1String(office.code))
            return QString::fromUtf8(office.name);
    return QString();
}

void openTaxCodeCheck(QWidget* card, const QString& fieldText) {
    const QString t = common::Trim(fieldText);
    if (!t.isEmpty() && common::IsNumeric(t)) {
        TfrmPartitaIva check(card);
        check.setNumber(t);
        check.exec();
    } else {
        TfrmCodFisc check(card);
        check.setCode(t);
        check.exec();
    }
}

} // namespace shell
