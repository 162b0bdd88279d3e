#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <vector>

// Sets environment variables for one test and puts back what was there.
class VariabiliDiProva {
  public:
    VariabiliDiProva() = default;
    VariabiliDiProva(const VariabiliDiProva&) = delete;
    VariabiliDiProva& operator=(const VariabiliDiProva&) = delete;
    ~VariabiliDiProva() {
        for (auto it = salvate_.rbegin(); it != salvate_.rend(); ++it) {
            if (it->presente)
                qputenv(it->nome.constData(), it->valore);
            else
                qunsetenv(it->nome.constData());
        }
    }

    void imposta(const QByteArray& nome, const QByteArray& valore) {
        salva(nome);
        qputenv(nome.constData(), valore);
    }
    // Unsets every spelling of the name, whatever its case.
    void togli(const QByteArray& nome) {
        for (const QString& altro : QProcessEnvironment::systemEnvironment().keys()) {
            if (altro.compare(QString::fromLatin1(nome), Qt::CaseInsensitive) == 0) {
                salva(altro.toLatin1());
                qunsetenv(altro.toLatin1().constData());
            }
        }
    }

  private:
    struct Salvata {
        QByteArray nome;
        bool presente;
        QByteArray valore;
    };
    void salva(const QByteArray& nome) {
        salvate_.push_back(
            {nome, qEnvironmentVariableIsSet(nome.constData()), qgetenv(nome.constData())});
    }
    std::vector<Salvata> salvate_;
};
