#pragma once

#include "Modul1.h"
#include "Plattform.h"

class QWidget;

// The export command: writes "ziehbuch.txt" and tells the user where it lies.
void DatenExport(const Modul1 &modul, Plattform &plattform, QWidget *parent);
