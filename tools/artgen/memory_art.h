// The memory game's picture families as data: what each picture is called, how large it is and
// how it is drawn, so that the writer and the contact sheet draw from one description.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "artgen.h"

namespace artgen::memory {

// One picture resource: its number (the file name), its size in 1x pixels and its drawing.
struct Picture {
  int number;
  QSize size;
  Drawing draw;
};

// One mouse pointer resource (32 x 32): its number, its hot spot in 1x pixels and its drawing.
struct Pointer {
  int number;
  QPoint hotspot;
  Drawing draw;
};

// The ten faces of one card set, with the heading the contact sheet shows above them.
struct FaceSet {
  QString heading;
  std::vector<Picture> faces;
};

// The card back shared by every set (bitmap 102).
Picture card_back();

// Card set "1": coloured solid shapes (bitmaps 103..112).
FaceSet symbol_faces();

// Card set "2": animals and things from the emoji font (bitmaps 123..132).
FaceSet clipart_faces();

// Card set "3": yellow, white and orange colour gradients (bitmaps 113..122).
FaceSet gradient_faces();

// Card set "4": one red sun seen from ten angles (bitmaps 133..142).
FaceSet sun_faces();

// The three pointers of the memory window (cursors 100..102).
std::vector<Pointer> pointers();

// Draws every card and pointer, grouped and numbered, into one overview image at `path`.
void write_contact_sheet(const QString& path, const Picture& back, const std::vector<FaceSet>& sets,
                         const std::vector<Pointer>& pointers);

}  // namespace artgen::memory
