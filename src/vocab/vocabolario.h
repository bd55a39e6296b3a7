// The vocabulary table and the selected-word lists.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace lex {

struct Voce {
    QString frequenza, categoria, parola, traduzione; // verbatim, as read
};

inline constexpr int kRigheVocabolario = 1801; // rows 0..1800

struct Vocabolario {
    std::vector<Voce> righe = std::vector<Voce>(kRigheVocabolario);
    int ultimovoc = 0; // last row filled by the latest load
};

// The words of the current game, parallel lists in file order, and the current word's wrong candidates.
struct ListeParole {
    QStringList frequenza, categoria, vocabolo, traduzione, errati;
};

} // namespace lex
