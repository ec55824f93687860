#pragma once

#include <QByteArray>

namespace parlhora {

/// What an announcement says: the main window's check boxes and jingle paths
/// (settings keys in brackets). Paths are kept as the bytes of the settings
/// file; a relative path is taken from the program folder.
struct AnnouncementOptions {
  bool header = false;                   // CheckBoxEntete (ENTETE=)
  QByteArray headerFile;                 // FICHIER_ENTETE=
  int pauseSeconds = 0;                  // SpinEditPause 0..15 (PAUSE=)
  bool hello = false;                    // CheckBoxPirolo (HELLO=)
  QByteArray cuckooFile = "kuckoo.wav";  // FICHIER_PIROLO=
  bool date = true;                      // CheckBoxDate (DATE=)
  bool itIs = true;                      // CheckBoxIlEst (ILEST=)
  bool hourWithWords = true;             // CheckBoxHeure (TIME=)
  bool noMinuteWord = false;             // CheckBoxNoMinute (MINUTE=)
  bool final = false;                    // CheckBoxFin (FINAL=)
  QByteArray finalFile;                  // FICHIER_FIN=
  bool record = false;                   // MenuRecord (RECORD=)
  int weatherAgeGateHours = 0;           // OLD= 1..3, 0 = "Immer lesen"
  bool windRose16 = false;               // ROSE=16
};

}  // namespace parlhora
