#include "demo/NomiDemo.h"

const QStringList& CognomiDemo() {
    static const QStringList cognomi = {
        "Rossi",      "Russo",   "Ferrari",   "Esposito",   "Bianchi",    "Romano",     "Colombo",
        "Ricci",      "Marino",  "Greco",     "Bruno",      "Gallo",      "Conti",      "De Luca",
        "Mancini",    "Costa",   "Giordano",  "Rizzo",      "Lombardi",   "Moretti",    "Barbieri",
        "Fontana",    "Santoro", "Mariani",   "Rinaldi",    "Caruso",     "Ferrara",    "Galli",
        "Martini",    "Leone",   "Longo",     "Gentile",    "Martinelli", "Vitale",     "Lombardo",
        "Serra",      "Coppola", "De Santis", "D'Angelo",   "Marchetti",  "Parisi",     "Villa",
        "Conte",      "Ferraro", "Ferri",     "Fabbri",     "Bianco",     "Marini",     "Grasso",
        "Valentini",  "Messina", "Sala",      "De Angelis", "Gatti",      "Pellegrini", "Palumbo",
        "Sanna",      "Farina",  "Rizzi",     "Monti",      "Cattaneo",   "Morelli",    "Amato",
        "Silvestri",  "Mazza",   "Testa",     "Grassi",     "Pellegrino", "Carbone",    "Giuliani",
        "Benedetti",  "Barone",  "Rossetti",  "Caputo",     "Montanari",  "Guerra",     "Palmieri",
        "Bernardi",   "Martino", "Fiore",     "De Rosa",    "Ferretti",   "Bellini",    "Basile",
        "Riva",       "Donati",  "Piras",     "Vitali",     "Battaglia",  "Sartori",    "Neri",
        "Costantini", "Milani",  "Pagano",    "Ruggiero",   "Sorrentino", "D'Amico",    "Orlando",
        "Negri",      "Mazzù",   "Cantù",     "Dell'Acqua", "Nicolò"};
    return cognomi;
}

const QStringList& NomiPropriDemo() {
    static const QStringList nomi = {
        "Mario",   "Luigi",    "Giuseppe", "Giovanni",  "Antonio",    "Francesco", "Paolo",
        "Marco",   "Andrea",   "Luca",     "Stefano",   "Alessandro", "Roberto",   "Davide",
        "Matteo",  "Simone",   "Nicolò",   "Fabio",     "Lorenzo",    "Riccardo",  "Pietro",
        "Carlo",   "Sergio",   "Claudio",  "Maria",     "Anna",       "Giulia",    "Francesca",
        "Chiara",  "Sara",     "Laura",    "Valentina", "Elena",      "Alessia",   "Martina",
        "Silvia",  "Federica", "Paola",    "Roberta",   "Giorgia",    "Ilaria",    "Beatrice",
        "Lucia",   "Rosa",     "Teresa",   "Caterina",  "Noemi",      "Aurora",    "Gabriele",
        "Tommaso", "Emanuele", "Raffaele", "Michela",   "Irene"};
    return nomi;
}

const QStringList& DitteDemo() {
    static const QStringList ditte = {"Tecnoimpianti Adriatica S.r.l.",
                                      "Ferramenta Colombo & Figli S.n.c.",
                                      "Studio Legale Bianchi",
                                      "Lavorazioni Meccaniche Riva S.p.A.",
                                      "Agenzia Viaggi Sole e Mare",
                                      "Costruzioni Edili Greco S.r.l.",
                                      "Farmaceutica Lombarda S.p.A.",
                                      "Trasporti Veloci Ricci",
                                      "Informatica & Servizi S.r.l.",
                                      "Assicurazioni Serenità",
                                      "Ceramiche Toscane S.a.s.",
                                      "Banca Popolare dell'Appennino",
                                      "Consorzio Agrario Padano",
                                      "Elettroforniture Moretti",
                                      "Tipografia Fontana",
                                      "Rappresentanze Conti",
                                      "Ospedale San Giovanni",
                                      "Università degli Studi - Missioni",
                                      "Orchestra Sinfonica Regionale",
                                      "Squadra Ciclistica Pedale d'Oro",
                                      "Caseificio Valle Verde",
                                      "Moda Italia Group S.p.A.",
                                      "Autonoleggio Martini",
                                      "Cantine Sociali Riunite",
                                      "Ente Fiera del Levante"};
    return ditte;
}
