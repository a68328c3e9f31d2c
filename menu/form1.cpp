// The main menu: welcome message, description texts and the exercise buttons.
#include "form1.h"

#include "wmessagebox.h"

namespace {

struct Description {
  std::unique_ptr<WLabel> __Form1_Base::*label;
  const char* text;
};

// The blanks before some line ends belong to the texts.
const Description kDescriptions[] = {
    {&__Form1_Base::label_1,
     "Bei der Konzentrationsübung Zahlenstraße\n"
     "musst du die Zahlen der Reihenfolge nach anklicken.\n"
     "Zahlenstraße 1: Bis Zahl 15. \n"
     "Zahlenstraße 2: Bis Zahl 20. \n"
     "Zahlenstraße 3: Bis Zahl 28. \n"
     "Die Zeit beginnt ab der Zahl 1 zu zählen.\n"
     "Die Benotung erfolgt nach Geschwindigkeit=Konzentration.\n"
     "Eine schnelle Aufnahmefähigkeit ist das A und O eines Agenten."},
    {&__Form1_Base::label_2,
     "Gedächtnissübung Memory 1 und 2.\n"
     "Finde die gleichen Bilder.\n"
     "Die Benotung wird nach Fehlversuchen beurteilt.\n"
     "Nur wer ein gutes Gedächtnis hat, kann ein guter Agent werden.\n"
     "Objekte und Positionen müssen wiedererkannt werden."},
    {&__Form1_Base::label_3,
     "Bei der Konzentrationsübung Buchstabenstraße 1,\n"
     "musst du die Buchstaben der Reihenfolge nach anklicken.\n"
     "Buchstabenstraße 1: Bis Buchstabe O. \n"
     "Buchstabenstraße 2: Bis Buchstabe T. \n"
     "Buchstabenstraße 3: Bis Buchstabe Z. \n"
     "Die Zeit beginnt ab dem erstem Buchstaben zu zählen.\n"
     "Die Benotung erfolgt nach Geschwindigkeit=Konzentration.\n"
     "Eine gute Konzentration und schnellen Durchblick ist wichtig für Agenten."},
    {&__Form1_Base::label_4,
     "Gedächtnissübung Memory 3 und 4.\n"
     "Finde die gleichen Bilder.\n"
     "Die Benotung wird nach Fehlversuchen beurteilt.\n"
     "Hier sehen sich die Bilder sehr ähnlich.\n"
     "Für ein Agent ist es wichtig auch ähnliche Gesichter nicht zu verwechseln."},
    {&__Form1_Base::label_5,
     "Konzentration Rechenübung.\n"
     "Das Gedächtnis ist das Kapital des Agenten.\n"
     "Es muss schnell und präzise funktionieren.\n"
     "Hier zwei Übungen um diese Fähigkeit zu trainieren."},
    {&__Form1_Base::label_6,
     "Merkfähigkeitsübung.\n"
     "Eine gute Merkfähigkeit ist die Basisaustattung des Agenten.\n"
     "Ohne Merkfähikeit geht nichts.\n"
     "Hier drei Übungen um diese Fähigkeit zu trainieren."},
};

}  // namespace

const char* const Form1::kWelcomeCaption = "WARNUNG!!!";

const char* const Form1::kWelcomeText =
    "Dieses Programm ist Privateigentum der Geheim-Dedektivschule\n"
    "Wolkenbrunn und darf nur an Geheimdedektivstudenten weitergegeben werden.\n"
    "Mit dem Bestätigen des Buttons, erklärst du dich einverstanden, dass du die Nutzung "
    "dieses Spezialagenten-Programms geheimhältst und keinem weitergibst!!!\n"
    "Ansonsten werden wir dich aufspüren und 3 Jahre in ein Burgverließ auf der einsamen "
    "Mirvanoinsel sperren.\n"
    "Zur Entwicklung dieses Geheimprojekts wurde folgendes Unternehmen beauftragt:\n"
    "Das Projektteam von Denkfalke 07\n"
    "Kontakt und Quelltext: im Git-Repository des Projekts Denkfalke 07 (siehe README.md)";

Form1::Form1() = default;
Form1::~Form1() = default;

void Form1::BindControlEvents() {
  for (const ExerciseEntry& entry : ExerciseCatalogue::all_entries()) {
    button(entry.button)->ClickEvent.Add([this, entry] { return cb_exercise_click(entry); });
  }
}

void Form1::UnbindControlEvents() {
  for (const ExerciseEntry& entry : ExerciseCatalogue::all_entries()) {
    button(entry.button)->ClickEvent.RemoveAll();
  }
}

void Form1::OnFormCreated() {
  ShowMaximized();
  WShowMessage(kWelcomeCaption, kWelcomeText);
  // The message box runs its own event loop; the window may not have outlived it.
  if (HasWindow()) SetDescriptions();
}

void Form1::SetDescriptions() {
  for (const Description& description : kDescriptions) {
    (this->*description.label)->SetText(description.text);
  }
}

bool Form1::cb_exercise_click(const ExerciseEntry& entry) {
  hand_off_.write_variant(entry.variant);
  open_exercise(entry.form);
  return false;
}

void Form1::open_exercise(ExerciseForm form) {
  // A window that is open already stays as it is: creating it again fails, unseen.
  switch (form) {
    case ExerciseForm::Form2:
      form2_->Create(this);
      break;
    case ExerciseForm::Form3:
    case ExerciseForm::Form4:
    case ExerciseForm::Form5:
      // These families' windows are not built yet: the choice only hands its variant over.
      break;
  }
}
