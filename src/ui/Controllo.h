#pragma once

#include "ui/Aspetto.h"

#include <QString>

class Finestra;
class QWidget;

// Position and size of a control in its window, in twips.
struct Riquadro {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The events of a kind of control that raises none.
struct SenzaEventi {};

// What every control of a window has: its index in its control array, its
// geometry in twips, visibility, focus, place in the tab order and look.
// The toolkit's widget belongs to the control and goes with it.
class Controllo {
  public:
    virtual ~Controllo();
    Controllo(const Controllo&) = delete;
    Controllo& operator=(const Controllo&) = delete;

    // The index within the control's array (0 for a control on its own).
    int Index() const { return indice_; }

    int Left() const { return riquadro_.Left; }
    int Top() const { return riquadro_.Top; }
    int Width() const { return riquadro_.Width; }
    int Height() const { return riquadro_.Height; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

    bool Visible() const;
    void setVisible(bool visibile);
    bool Enabled() const;
    void setEnabled(bool abilitato);

    void SetFocus();
    // True when the control is the one of its window that holds the focus
    // (or will hold it when the window becomes active).
    bool HaIlFuoco() const;

    // Position in the window's tab order; controls without one (-1) are left
    // where the toolkit puts them.
    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int posizione) { tabIndex_ = posizione; }

    // The name a screen reader gives the control; a control with a caption
    // is known by its caption unless given another.
    void setNomeAccessibile(const QString& nome);

    void setFont(const Carattere& carattere);
    double FontSize() const;
    void setFontSize(double punti);
    // The colour of the control's text.
    virtual void setForeColor(Colore colore);
    void setBackColor(Colore colore);

    // The toolkit's widget, for tests that drive the control as a user does.
    QWidget* widget() const { return widget_; }

  protected:
    Controllo(Finestra& finestra, QWidget* widget, const Riquadro& riquadro, int indice);

  private:
    void applicaRiquadro();

    Finestra& finestra_;
    QWidget* widget_;
    Riquadro riquadro_;
    int indice_;
    int tabIndex_ = -1;
};
