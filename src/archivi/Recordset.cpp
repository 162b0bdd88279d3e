#include "archivi/Recordset.h"

#include "archivi/ErroreArchivio.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

struct Chiave {
    int campo;
    bool discendente;
};

bool spazio(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// Takes a direction (ASC or DESC, in any case) that ends `parte` after blanks
// off it; whether it was DESC.
bool togliDirezione(QString& parte) {
    qsizetype parola = parte.size();
    while (parola > 0 && !spazio(parte.at(parola - 1)))
        --parola;
    qsizetype fine = parola;
    while (fine > 0 && spazio(parte.at(fine - 1)))
        --fine;
    const QStringView direzione = QStringView(parte).mid(parola);
    const bool discendente = direzione.compare(u"DESC", Qt::CaseInsensitive) == 0;
    if (fine == parola || (!discendente && direzione.compare(u"ASC", Qt::CaseInsensitive) != 0))
        return false;
    parte.truncate(fine);
    return discendente;
}

std::vector<Chiave> leggiOrdine(const Tabella& dati, const QString& ordine) {
    std::vector<Chiave> chiavi;
    for (QString parte : ordine.split(u',', Qt::SkipEmptyParts)) {
        parte = parte.trimmed();
        const bool discendente = togliDirezione(parte);
        if (parte.startsWith(u'[') && parte.endsWith(u']'))
            parte = parte.mid(1, parte.size() - 2);
        const int campo = dati.indiceCampo(parte);
        if (campo < 0)
            throw ErroreArchivio(
                QStringLiteral("Campo di ordinamento non trovato: %1 nella tabella %2")
                    .arg(parte, dati.nome));
        chiavi.push_back({campo, discendente});
    }
    return chiavi;
}

// Where a value stands when Jet comparison cannot place it: nulls first,
// comparable values, then NaNs, then other kinds apart by kind. Keeping the
// order total matters: the sort's behaviour is undefined otherwise.
int gruppo(const Valore& v) {
    if (v.nullo())
        return 0;
    if (v.numerico())
        return std::isnan(v.numero()) ? 2 : 1;
    return 3 + static_cast<int>(v.tipo());
}

// Null first, then values by Jet comparison.
int ordina(const Valore& a, const Valore& b) {
    if (const auto ordine = a.confronta(b))
        return *ordine < 0 ? -1 : (*ordine > 0 ? 1 : 0);
    const int ga = gruppo(a);
    const int gb = gruppo(b);
    return ga < gb ? -1 : (ga > gb ? 1 : 0);
}

} // namespace

Recordset::Recordset(std::shared_ptr<const Tabella> dati) : dati_(std::move(dati)) {}

void Recordset::setSort(const QString& ordine) {
    ordine_ = ordine;
}

Recordset Recordset::OpenRecordset() const {
    const std::vector<Chiave> chiavi = leggiOrdine(*dati_, ordine_);
    std::vector<std::size_t> posizioni(dati_->righe.size());
    std::iota(posizioni.begin(), posizioni.end(), std::size_t{0});
    std::stable_sort(posizioni.begin(), posizioni.end(), [&](std::size_t a, std::size_t b) {
        for (const Chiave& chiave : chiavi) {
            const auto campo = static_cast<std::size_t>(chiave.campo);
            const int c = ordina(dati_->righe[a][campo], dati_->righe[b][campo]);
            if (c != 0)
                return chiave.discendente ? c > 0 : c < 0;
        }
        return false;
    });
    auto ordinata = std::make_shared<Tabella>(dati_->senzaRighe());
    ordinata->righe.reserve(posizioni.size());
    for (std::size_t p : posizioni)
        ordinata->righe.push_back(dati_->righe[p]);
    return Recordset(std::move(ordinata));
}

void Recordset::cerca(const Criterio& criterio, std::size_t da) {
    std::vector<int> indici;
    for (const QString& campo : criterio.campi())
        indici.push_back(IndiceCampo(campo));
    dati_->verificaCriterio(criterio, indici);
    const auto& righe = dati_->righe;
    for (std::size_t r = da; r < righe.size(); ++r) {
        const auto& riga = righe[r];
        if (criterio.vale([&](std::size_t i) -> const Valore& {
                return riga[static_cast<std::size_t>(indici[i])];
            })) {
            corrente_ = r;
            noMatch_ = false;
            return;
        }
    }
    noMatch_ = true;
}

void Recordset::FindFirst(const Criterio& criterio) {
    cerca(criterio, 0);
}

void Recordset::FindNext(const Criterio& criterio) {
    cerca(criterio, noMatch_ ? dati_->righe.size() : corrente_ + 1);
}

Valore Recordset::Campo(const QString& campo) const {
    const int indice = IndiceCampo(campo);
    if (noMatch_ || corrente_ >= dati_->righe.size())
        throw ErroreArchivio(
            QStringLiteral("Nessun record corrente nella tabella %1").arg(dati_->nome));
    return dati_->righe[corrente_][static_cast<std::size_t>(indice)];
}

std::size_t Recordset::RecordCount() const {
    return dati_->righe.size();
}

int Recordset::IndiceCampo(const QString& campo) const {
    const int indice = dati_->indiceCampo(campo);
    if (indice < 0)
        throw ErroreArchivio(
            QStringLiteral("Campo non trovato: %1 nella tabella %2").arg(campo, dati_->nome));
    return indice;
}

int Recordset::IndiceCampo(const QString& campo, GenereCampo confrontatoCome) const {
    const int indice = IndiceCampo(campo);
    dati_->verificaConfronto(indice, confrontatoCome);
    return indice;
}

const Valore& Recordset::valore(std::size_t record, int campo) const {
    return dati_->righe.at(record).at(static_cast<std::size_t>(campo));
}

QString Recordset::nomeTabella() const {
    return dati_->nome;
}

void Recordset::Close() {
    dati_ = std::make_shared<const Tabella>(dati_->senzaRighe());
    noMatch_ = true;
}
