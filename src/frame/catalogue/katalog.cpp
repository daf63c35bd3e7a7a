#include "frame/catalogue/katalog.h"

namespace {

constexpr bool av = true; // disabled in worksheet mode

KatalogKnapp meny(const char *text, const char *klass, bool avIArbetsblad = false)
{
    KatalogKnapp k;
    k.text = QString::fromUtf8(text);
    k.sort = KnappSort::Meny;
    k.mal = QString::fromLatin1(klass);
    k.avIArbetsblad = avIArbetsblad;
    return k;
}

KatalogKnapp ovning(const char *text, const char *fil, const char *fonster, bool avIArbetsblad = false)
{
    KatalogKnapp k;
    k.text = QString::fromUtf8(text);
    k.sort = KnappSort::Ovning;
    k.mal = QString::fromLatin1(fonster);
    k.datafil = QString::fromLatin1(fil);
    k.avIArbetsblad = avIArbetsblad;
    return k;
}

KatalogKnapp sida(const char *text, const char *fonster, quint16 programtal = 0, qint32 argument = 0)
{
    KatalogKnapp k;
    k.text = QString::fromUtf8(text);
    k.sort = KnappSort::Sida;
    k.mal = QString::fromLatin1(fonster);
    k.programtal = programtal;
    k.argument = argument;
    return k;
}

KatalogKnapp tillHuvudmenyn()
{
    KatalogKnapp k;
    k.text = QStringLiteral("Till huvudmenyn");
    return k;
}

KatalogKnapp tillForegaende()
{
    KatalogKnapp k;
    k.text = QStringLiteral("Till föregående meny");
    return k;
}

enum Drag { Vanlig = 0, EnkelKant = 1, AlltidBla = 2, Kolla2 = 4, StorKnapp = 8 };

KatalogMeny menyn(const char *klass, const char *rubrik, int rubrikHojd, QRect plats, int drag,
                  std::vector<KatalogKnapp> knappar)
{
    KatalogMeny m;
    m.klass = QString::fromLatin1(klass);
    m.instans = m.klass.mid(1);
    m.rubrik = QString::fromUtf8(rubrik);
    m.rubrikHojd = rubrikHojd;
    m.knappHojd = (drag & StorKnapp) ? 20 : 19;
    m.enkelKant = drag & EnkelKant;
    m.arbetsbladsFarg = !(drag & AlltidBla);
    m.kolla2 = drag & Kolla2;
    m.plats = plats;
    m.knappar = std::move(knappar);
    return m;
}

// Position (left, top) and client size (width, height) at 100 %.
QRect at(int left, int top, int width, int height)
{
    return QRect(left, top, width, height);
}

std::vector<KatalogMeny> bygg()
{
    std::vector<KatalogMeny> t;

    // The six menus of the main window.
    t.push_back(menyn("TF1", "Tyskland", 24, at(200, 99, 261, 165), Vanlig,
                      {sida("Karta", "TKarta"), sida("Flagga", "TFlagga"), sida("Nationalsång", "THymn"),
                       tillHuvudmenyn()}));
    t.push_back(menyn("TF2", "Dina ord", 19, at(316, 177, 238, 160), EnkelKant,
                      {meny("Ordförrådet", "TF21"),
                       ovning("Falska vänner", "VRS22000.DAT", "TFalska", av),
                       ovning("Rubrik", "VRS23000.DAT", "TSKRIV"), tillHuvudmenyn()}));
    t.push_back(menyn("TF3", "Tala", 19, at(317, 183, 254, 124), EnkelKant,
                      {meny("Uttal", "TF31"), ovning("Intonation", "VRS32000.DAT", "TDiktam"),
                       tillHuvudmenyn()}));
    t.push_back(menyn("TF4", "Skriva", 19, at(209, 94, 329, 302), EnkelKant,
                      {ovning("Berätta", "VRS41000.DAT", "Tberaetta", av),
                       ovning("Avstava", "VRS42000.DAT", "TSKRIV"),
                       ovning("Diktamen 1", "VRS43000.DAT", "TDiktam", av),
                       ovning("Diktamen 2", "VRS44000.DAT", "TDiktam", av),
                       ovning("Alfabetet", "VRS45000.DAT", "TDiktam", av),
                       ovning("Skriv ordet som stavas", "VRS46000.DAT", "TDiktam", av),
                       ovning("Telefonnummer", "VRS47000.DAT", "TDiktam", av), tillHuvudmenyn()}));
    t.push_back(menyn("TF5", "Grammatik", 24, at(249, 135, 282, 305), EnkelKant,
                      {meny("Substantiv", "TF51"), meny("Adjektiv", "TF52"), meny("Räkneord", "TF53"),
                       meny("Pronomen", "TF54"), meny("Prepositioner", "TF55"), meny("Verb", "TF56"),
                       meny("Satslösning", "TF57"), tillHuvudmenyn()}));
    t.push_back(menyn("TF6", "Läsa", 19, at(289, 199, 251, 175), EnkelKant | Kolla2,
                      {ovning("Lästräning", "VRS61000.DAT", "TSpeed"),
                       ovning("Horoskopet", "VRS62000.DAT", "Thoroskop"),
                       ovning("Avslöja", "VRS63000.DAT", "Tavsloj"), tillHuvudmenyn()}));

    // Dina ord.
    t.push_back(menyn("TF21", "Ordförrådet", 24, at(351, 146, 243, 205), Vanlig,
                      {sida("Allmänna glosor", "TDinaOrd", 1001), sida("Speciella glosor", "TDinaOrd", 1002),
                       meny("Nya stavningsregler", "TF212", av), meny("Lite biologi", "TF213", av),
                       tillForegaende()}));
    t.push_back(menyn("TF212", "Nya stavningsregler", 24, at(200, 102, 379, 162), AlltidBla,
                      {sida("Nya regler", "TRegler", 63000), sida("Exempel på ändringar", "TRegList1", 0, 1),
                       sida("Exempel på alternativa stavningar", "TRegList1", 0, 2), tillForegaende()}));
    t.push_back(menyn("TF213", "Lite biologi", 27, at(200, 99, 273, 194), AlltidBla | StorKnapp,
                      {meny("Människa", "TF2131"), meny("Växter", "TF2132"), meny("Djur", "TF2133"),
                       tillForegaende()}));
    t.push_back(menyn("TF2131", "Människa", 27, at(200, 99, 271, 315), AlltidBla | StorKnapp,
                      {ovning("Kroppen", "VRS21301.DAT", "TBilden"),
                       ovning("Huvudet", "VRS21302.DAT", "TBilden"),
                       ovning("Andningsorganen", "VRS21303.DAT", "TBilden"),
                       ovning("Njurarna", "VRS21304.DAT", "TBilden"),
                       ovning("Matsmältningen", "VRS21305.DAT", "TBilden"),
                       ovning("Tänderna", "VRS21306.DAT", "TBilden"),
                       ovning("Skelettet", "VRS21307.DAT", "TBilden"), tillForegaende()}));
    t.push_back(menyn("TF2132", "Växter", 27, at(200, 99, 367, 222), AlltidBla | StorKnapp,
                      {ovning("Vilda växter", "VRS21410.DAT", "TBildvis"),
                       ovning("Växter från trädgården", "VRS21420.DAT", "TBildvis"),
                       ovning("Träd och buskar", "VRS21430.DAT", "TBildvis"),
                       ovning("Frukter och bär", "VRS21440.DAT", "TBildvis"), tillForegaende()}));
    t.push_back(menyn("TF2133", "Djur", 27, at(200, 99, 368, 281), AlltidBla | StorKnapp,
                      {ovning("Fåglar", "VRS21510.DAT", "TBildvis"),
                       ovning("Däggdjur", "VRS21520.DAT", "TBildvis"),
                       ovning("Tamdjur", "VRS21530.DAT", "TBildvis"),
                       ovning("Fiskar och reptiler", "VRS21540.DAT", "TBildvis"),
                       ovning("Insekter och spindlar", "VRS21550.DAT", "TBildvis"),
                       ovning("Småkryp", "VRS21560.DAT", "TSKRIV"), tillForegaende()}));

    // Tala.
    t.push_back(menyn("TF31", "Duell", 27, at(203, 127, 289, 221), StorKnapp,
                      {ovning("Uttalet av b", "VRS31100.DAT", "TFalska"),
                       ovning("Uttalet av d", "VRS31200.DAT", "TFalska"),
                       ovning("Uttalet av g", "VRS31300.DAT", "TFalska"),
                       ovning("Uttalet av s", "VRS31400.DAT", "TFalska"), tillForegaende()}));

    // Grammatik.
    t.push_back(menyn("TF51", "Substantiv", 25, at(263, 149, 317, 228), EnkelKant | StorKnapp,
                      {ovning("Genus", "VRS51100.DAT", "TFLERBAR"), meny("Genitiv", "TF512"),
                       ovning("Plural", "VRS51300.DAT", "TSkrivinf"), meny("Kasus", "TF514"),
                       tillForegaende()}));
    t.push_back(menyn("TF512", "Genitiv", 21, at(260, 243, 290, 141), EnkelKant,
                      {ovning("Övning, lätt", "VRS51210.DAT", "TSkrivinf"),
                       ovning("Övning, svår", "VRS51220.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF514", "Kasus", 24, at(178, 143, 469, 299), EnkelKant,
                      {ovning("Dativobjekt", "VRS51410.DAT", "TSkrivinf"),
                       ovning("Substantiv i ackusativ", "VRS51420.DAT", "TSkrivinf"),
                       ovning("Substantiv och pronomen som ackusativ", "VRS51430.DAT", "TSkrivinf"),
                       ovning("Prepositioner med ackusativ", "VRS51450.DAT", "TSkrivinf"),
                       ovning("Prepositioner med dativ/ackusativ", "VRS51460.DAT", "TSkrivinf"),
                       ovning("Prepositioner med dativ", "VRS51470.DAT", "TSKRIV"),
                       ovning("Verb som styr dativ", "VRS51480.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF52", "Adjektiv", 24, at(201, 199, 359, 244), Vanlig,
                      {ovning("Komparation, lätt", "VRS52100.DAT", "Tskriv2"),
                       ovning("Komparation, svår", "VRS52200.DAT", "Tskriv2"),
                       ovning("Nominativ / ackusativ", "VRS52300.DAT", "TSKRIV"),
                       ovning("Genitiv / dativ", "VRS52400.DAT", "TSKRIV"),
                       ovning("Utan bestämningsord", "VRS52500.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF53", "Räkneord", 24, at(280, 152, 293, 174), Vanlig,
                      {ovning("X-akt", "VRS53100.DAT", "TStegran"),
                       ovning("Tidsuttryck", "VRS53200.DAT", "TSkrivinf"),
                       ovning("Klockan", "VRS53300.DAT", "TKlockan", av), tillForegaende()}));
    t.push_back(menyn("TF54", "Pronomen", 24, at(189, 146, 410, 326), Vanlig,
                      {ovning("Personliga - den, det", "VRS54100.DAT", "TSkrivinf"),
                       ovning("Personliga - objektsform", "VRS54200.DAT", "TSkrivinf"),
                       ovning("Ein, mein, dein", "VRS54300.DAT", "TSKRIV"),
                       ovning("Possessiva, 3:e person", "VRS54400.DAT", "TSkrivinf"),
                       ovning("Possessiva, 1:a och 2:a person", "VRS54500.DAT", "TSkrivinf"),
                       ovning("Relativa bisatser (nom och ack)", "VRS54600.DAT", "TSkrivinf"),
                       ovning("Relativa bisatser (dativ)", "VRS54700.DAT", "TSkrivinf"),
                       ovning("Bisatsordföljd", "VRS54800.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF55", "Prepositioner", 24, at(222, 149, 262, 177), EnkelKant,
                      {meny("På", "TF551"), meny("Av", "TF552"), ovning("I", "VRS55300.DAT", "TFLERBAR"),
                       tillForegaende()}));
    t.push_back(menyn("TF551", "På", 24, at(276, 188, 238, 173), Vanlig,
                      {ovning("Lätt", "VRS55110.DAT", "TFLERBAR"), ovning("Medel", "VRS55120.DAT", "TFLERBAR"),
                       ovning("Svår", "VRS55130.DAT", "TFLERBAR"), tillForegaende()}));
    t.push_back(menyn("TF552", "Av", 24, at(272, 224, 258, 145), Vanlig,
                      {ovning("Lätt", "VRS55210.DAT", "TFLERBAR"), ovning("Svår", "VRS55220.DAT", "TFLERBAR"),
                       tillForegaende()}));
    t.push_back(menyn("TF56", "Verb", 24, at(189, 121, 384, 354), Vanlig,
                      {meny("Starka verb", "TF561"), meny("Svaga verb", "TF562"), meny("Mera om verb", "TF563"),
                       meny("Modala hjälpverb och wissen", "TF564"), meny("Temporala hjälpverb", "TF565"),
                       meny("Sein-spelet", "TF566", av), meny("Passivum", "TF567"),
                       ovning("Imperativ", "VRS56800.DAT", "TSkrivinf"),
                       ovning("Infinitiv", "VRS56900.DAT", "TSKRIV"), tillForegaende()}));
    t.push_back(menyn("TF561", "Starka verb", 24, at(193, 164, 318, 231), Vanlig,
                      {ovning("Tema", "VRS56110.DAT", "TStegran"), ovning("Presens", "VRS56120.DAT", "TSkrivinf"),
                       ovning("Imperfekt", "VRS56130.DAT", "TSkrivinf"),
                       ovning("Perfekt", "VRS56140.DAT", "TSkrivinf"),
                       ovning("Pluskvamperfekt", "VRS56150.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF562", "Svaga verb", 24, at(214, 180, 305, 234), Vanlig,
                      {ovning("Tema", "VRS56210.DAT", "TStegran"), ovning("Presens", "VRS56220.DAT", "TSkrivinf"),
                       ovning("Imperfekt", "VRS56230.DAT", "TSkrivinf"),
                       ovning("Perfekt", "VRS56240.DAT", "TSkrivinf"),
                       ovning("Pluskvamperfekt", "VRS56250.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF563", "Mera om verb", 24, at(206, 203, 338, 142), Vanlig,
                      {ovning("Oregelbundna verb", "VRS56310.DAT", "TSKRIV"),
                       ovning("Löst sammansatta verb", "VRS56320.DAT", "TSKRIV"), tillForegaende()}));
    t.push_back(menyn("TF564", "Modala hjälpverb och wissen", 24, at(178, 160, 461, 208), Vanlig,
                      {ovning("Presens", "VRS56410.DAT", "TSKRIV"), ovning("Imperfekt", "VRS56420.DAT", "TSKRIV"),
                       ovning("Perfekt / Pluskvamperfekt", "VRS56430.DAT", "TSKRIV"),
                       ovning("Skall", "VRS56440.DAT", "TSKRIV"), tillForegaende()}));
    t.push_back(menyn("TF565", "Temporala hjälpverb", 24, at(204, 159, 326, 296), Vanlig,
                      {ovning("Sein, presens", "VRS56510.DAT", "TSkrivinf"),
                       ovning("Sein, imperfekt", "VRS56520.DAT", "TSkrivinf"),
                       ovning("Haben, presens", "VRS56530.DAT", "TSkrivinf"),
                       ovning("Haben, imperfekt", "VRS56540.DAT", "TSkrivinf"),
                       ovning("Werden, presens", "VRS56550.DAT", "TSkrivinf"),
                       ovning("Werden, imperfekt", "VRS56560.DAT", "TSkrivinf"),
                       ovning("Sein eller haben", "VRS56570.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF566", "Sein-spelet", 24, at(203, 150, 315, 264), Vanlig,
                      {ovning("Sein, presens", "VRS56610.DAT", "TSEIN"),
                       ovning("Sein, imperfekt", "VRS56620.DAT", "TSEIN"),
                       ovning("Haben, presens", "VRS56630.DAT", "TSEIN"),
                       ovning("Haben, imperfekt", "VRS56640.DAT", "TSEIN"),
                       ovning("Werden, presens", "VRS56650.DAT", "TSEIN"),
                       ovning("Werden, imperfekt", "VRS56660.DAT", "TSEIN"), tillForegaende()}));
    t.push_back(menyn("TF567", "Passivum", 24, at(196, 139, 335, 293), Vanlig,
                      {ovning("Passiv / Aktiv ?", "VRS56710.DAT", "TPassAkt"),
                       ovning("Dela upp verbet A", "VRS56720.DAT", "TSkrivinf"),
                       ovning("Passiv till aktiv", "VRS56730.DAT", "TSKRIV"),
                       ovning("Aktiv  till  passiv", "VRS56740.DAT", "TSKRIV"),
                       ovning("Imperfekt", "VRS56750.DAT", "TSKRIV"),
                       ovning("Dela upp verbet B", "VRS56760.DAT", "TSkrivinf"),
                       ovning("Översätt alla tempus", "VRS56770.DAT", "TSkrivinf"), tillForegaende()}));
    t.push_back(menyn("TF57", "Satslösning", 24, at(145, 159, 422, 205), EnkelKant,
                      {ovning("Predikat eller subjekt?", "VRS57100.DAT", "TSats"),
                       ovning("Ackusativobjekt?", "VRS57200.DAT", "TSats"),
                       ovning("Ackusativ eller dativ?", "VRS57300.DAT", "TSats"),
                       ovning("Ackusativ, dativ eller predikatsfyllnad?", "VRS57400.DAT", "TPassAkt"),
                       tillForegaende()}));
    return t;
}

} // namespace

const std::vector<KatalogMeny> &katalog()
{
    static const std::vector<KatalogMeny> tabell = bygg();
    return tabell;
}

const KatalogMeny *hittaMeny(const QString &klass)
{
    for (const KatalogMeny &m : katalog())
        if (m.klass == klass)
            return &m;
    return nullptr;
}
