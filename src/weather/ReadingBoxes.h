#pragma once

namespace parlhora {

/// The per-reading check boxes of a source window: a ticked reading is
/// spoken. Key suffixes in brackets (for example W23_TEMPINT=); a source
/// without a reading never writes or reads its key.
struct ReadingBoxes {
  bool tempInt = false;  // CheckBoxTint (TEMPINT=)
  bool tempExt = false;  // CheckBoxText (TEMPEXT=)
  bool presAtm = false;  // CheckBoxPatm (PRESATM=)
  bool preTend = false;  // CheckBoxTend (PRETEND=)
  bool vitVent = false;  // CheckBoxVent (VITVENT=)
  bool vitRafa = false;  // CheckBoxRafa (VITRAFA=)
  bool dirVent = false;  // CheckBoxDire (DIRVENT=)
  bool tRes = false;     // CheckBoxTRes, felt temperature (TRES=)
  bool pluie = false;    // CheckBoxPluie, rain (PLUIE=)
  bool humidi = false;   // CheckBoxHumiExt, outside humidity (HUMIDI=)
};

}  // namespace parlhora
