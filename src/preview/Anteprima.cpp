#include "preview/Anteprima.h"

#include "preview/ConsegnaEMail.h"

#include "print/NomiFile.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString kTitolo = QStringLiteral("Anteprima di Stampa");

struct Disegno {
    const char16_t* caption;
    int left;
    int width;
};

// The buttons as designed, by index, in twips; all stand 1125 tall in one
// row along the bottom edge.
constexpr std::array<Disegno, 7> kTasti = {{
    {u"&Esci", 6795, 2655},
    {u"&Riduci", 84, 975},
    {u"E&spandi", 1200, 1095},
    {u"&Avanti", 2400, 975},
    {u"&Inizio", 3480, 975},
    {u"E-&mail", 4560, 975},
    {u"Sa&lva", 5640, 975},
}};
constexpr int kAltezzaTasto = 1125;
constexpr int kMargineTesto = 84;

double PixelPerTwip() {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return (schermo ? schermo->logicalDotsPerInch() : 96.0) / 1440.0;
}

int InPixel(double twips) {
    return static_cast<int>(std::lround(std::max(0.0, twips) * PixelPerTwip()));
}

double InTwips(int pixel) {
    return pixel / PixelPerTwip();
}

// The report is laid out in columns: its text needs a font whose characters
// are all equally wide. The designed font is used when the system has it or
// a metric-compatible one, else the system's fixed-pitch font.
QFont CarattereAPassoFisso() {
    QFont carattere(QStringLiteral("Courier New"));
    carattere.setStyleHint(QFont::TypeWriter);
    carattere.setFixedPitch(true);
    carattere.setPointSizeF(11.25);
    if (!QFontInfo(carattere).fixedPitch()) {
        carattere = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        carattere.setPointSizeF(11.25);
    }
    return carattere;
}

} // namespace

Anteprima::Anteprima(PostoDiLavoro posto, QWidget* padre)
    : QDialog(padre), vista_(PercorsoFile(FileDiStampa::Stampa, posto)), posto_(std::move(posto)) {
    setWindowTitle(kTitolo);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    Text1 = new QPlainTextEdit(this);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setTabChangesFocus(true);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text1->setFont(CarattereAPassoFisso());
    Text1->move(InPixel(kMargineTesto), InPixel(kMargineTesto));

    QFont carattereTasti(QStringLiteral("Corbel"));
    carattereTasti.setPointSizeF(12);
    for (std::size_t i = 0; i < kTasti.size(); ++i) {
        QPushButton* tasto = new QPushButton(QString::fromUtf16(kTasti[i].caption), this);
        QFont carattere = carattereTasti;
        carattere.setBold(i == 0);
        tasto->setFont(carattere);
        tasto->setAutoDefault(false);
        tasto->move(InPixel(kTasti[i].left), 0);
        tasto->resize(InPixel(kTasti[i].width), InPixel(kAltezzaTasto));
        connect(tasto, &QPushButton::clicked, this,
                [this, i] { Tasto_Click(static_cast<std::int16_t>(i)); });
        Tasto[i] = tasto;
    }
    // Text first, then the buttons: reduce, enlarge, close, next, first,
    // e-mail, save.
    const std::array<QWidget*, 8> ordine = {Text1,    Tasto[1], Tasto[2], Tasto[0],
                                            Tasto[3], Tasto[4], Tasto[5], Tasto[6]};
    for (std::size_t i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);

    occupaLoSchermo();
    Form_Load();
}

Anteprima::~Anteprima() = default;

void Anteprima::Mostra() {
    exec();
}

void Anteprima::Form_Load() {
    vista_.Apri();
}

void Anteprima::Form_Activate() {
    raise();
    if (!attivata_)
        occupaLoSchermo();
    disponi();
    // Only the first activation fills the view: later ones follow a message
    // of this window or a return from another program, and must not replace
    // the block (and the edits) in view.
    if (attivata_)
        return;
    attivata_ = true;
    if (!vista_.Esiste()) {
        // Closed once the display has started, so that a modal display ends.
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    mostraVista(vista_.Riempi(VistaStampa::kBudgetApertura));
}

void Anteprima::Form_Unload() {
    vista_.Chiudi();
}

void Anteprima::occupaLoSchermo() {
    // The window takes the whole screen, as the report's 132 columns need;
    // its frame, once the window is shown, is taken off the inside.
    const QScreen* schermo = QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    const QRect dentro = geometry();
    const QRect fuori = frameGeometry();
    const QMargins cornice(dentro.left() - fuori.left(), dentro.top() - fuori.top(),
                           fuori.right() - dentro.right(), fuori.bottom() - dentro.bottom());
    setGeometry(schermo->availableGeometry().marginsRemoved(cornice));
}

void Anteprima::disponi() {
    // From the window's outer size: the text box fills it above the row of
    // buttons, which stands along the bottom edge, and "&Esci" reaches to
    // 150 twips from the right edge.
    const double larghezza = InTwips(frameGeometry().width());
    const double altezza = InTwips(frameGeometry().height());
    Text1->resize(InPixel(larghezza - 200), InPixel(altezza - (kAltezzaTasto * 1.5 + 150)));
    for (QPushButton* tasto : Tasto)
        tasto->move(tasto->x(), InPixel(altezza - (kAltezzaTasto * 1.5 + 10)));
    Tasto[0]->resize(InPixel(larghezza - kTasti[0].left - 150), Tasto[0]->height());
}

void Anteprima::mostraVista(const std::optional<QString>& problema) {
    if (problema)
        Avvisa(*problema);
    else
        Text1->setPlainText(vista_.Testo());
}

QString Anteprima::TestoInVista() const {
    // The raw text: the plain-text form would turn the no-break spaces of
    // the print file into ordinary ones.
    return Text1->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

void Anteprima::Tasto_Click(std::int16_t Index) {
    switch (Index) {
    case 0:
        close();
        break;
    case 1: {
        QFont carattere = Text1->font();
        if (carattere.pointSizeF() > 1) {
            carattere.setPointSizeF(carattere.pointSizeF() - 1);
            Text1->setFont(carattere);
        }
        break;
    }
    case 2: {
        QFont carattere = Text1->font();
        carattere.setPointSizeF(std::min(carattere.pointSizeF() + 1, kPuntiMassimi));
        Text1->setFont(carattere);
        break;
    }
    case 3:
        if (vista_.Altro() == 1)
            mostraVista(vista_.Avanti());
        Text1->setFocus();
        break;
    case 4:
        mostraVista(vista_.Inizio());
        Text1->setFocus();
        break;
    case 5:
        InviaEMail(TestoInVista());
        break;
    case 6:
        if (const std::optional<QString> problema = vista_.Salva(TestoInVista()))
            Avvisa(*problema);
        break;
    default:
        break;
    }
}

void Anteprima::InviaEMail(const QString& testo) {
    if (const std::optional<QString> problema = ConsegnaEMail(posto_, testo))
        Avvisa(*problema);
}

void Anteprima::Avvisa(const QString& testo) {
    // Placeholder until the program's own message box is available here.
    QMessageBox::warning(this, kTitolo,
                         QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

bool Anteprima::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(evento);
}

void Anteprima::done(int esito) {
    Form_Unload();
    QDialog::done(esito);
}

void Anteprima::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    disponi();
}
