#pragma once

#include <QString>

// Where the puzzle file dialogs start.
namespace DialogFolders {

struct Places {
    QString lastChosen; // folder of the last puzzle file chosen in this run, empty before any
    QString current;    // the current folder
    QString home;
    QString program;   // the folder of the program itself
    QString documents; // the user's documents folder
};

// The folder of the last puzzle file chosen in this run; before any choice the current folder,
// unless that is the home folder or the program's own folder (a start from the desktop's menu
// or file manager), where the puzzles folder Documents/Tamberlin/Acrostics is taken when it
// exists, else the documents folder.
QString startFolder(const Places& places);

} // namespace DialogFolders
