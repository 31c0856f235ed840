// The shopping list on A4 paper: the heading naming the picture, the title
// 「買い物リスト」 and what the list covers, then a line per colour (swatch,
// number, code, name, pieces, with spares, bags) and the total line. Colours
// that do not fit go on to further pages, each with the column headings again;
// the total follows the last colour. Codes and names are cut to fit their
// columns. Failures of the surface throw PrintError.
#pragma once

#include "shoppinglist.h"

#include <QString>

class PrintSurface;

// Prints the list and ends the document; the paper must be set up already, in colour.
void printShoppingList(
    PrintSurface &surface, const shopping::List &list, const QString &picturePath);
