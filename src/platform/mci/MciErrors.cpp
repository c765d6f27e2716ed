#include "platform/mci/MciErrors.h"

#include "platform/Text.h"

namespace qor {

std::string mciErrorText(int error) {
    using namespace literals;
    switch (error) {
    case MciError::UnrecognizedKeyword:
        return "Der MCI-Befehl enthält einen unbekannten Parameter."_cp;
    case MciError::UnrecognizedCommand:
        return "Der MCI-Befehl ist unbekannt."_cp;
    case MciError::InvalidDeviceName:
        return "Das angegebene Gerät ist nicht geöffnet oder unbekannt."_cp;
    case MciError::MissingCommandString:
        return "Der MCI-Befehl ist leer."_cp;
    case MciError::BadInteger:
        return "Eine Zahl im MCI-Befehl fehlt oder ist ungültig."_cp;
    case MciError::MissingParameter:
        return "Dem MCI-Befehl fehlt ein Parameter."_cp;
    case MciError::UnsupportedFunction:
        return "Das Gerät kann diesen Befehl nicht ausführen."_cp;
    case MciError::FileNotFound:
        return "Die angegebene Datei wurde nicht gefunden. Prüfen Sie Pfad und Dateinamen."_cp;
    case MciError::OutOfRange:
        return "Ein Wert im MCI-Befehl liegt außerhalb des zulässigen Bereichs."_cp;
    case MciError::FileNotSaved:
        return "Die Datei konnte nicht gespeichert werden. Prüfen Sie, ob der Ordner "
               "existiert, beschreibbar ist und genug Platz bietet."_cp;
    case MciError::MissingDeviceName:
        return "Dem MCI-Befehl fehlt der Gerätename."_cp;
    case MciError::BadTimeFormat:
        return "Das angegebene Zeitformat wird nicht unterstützt."_cp;
    case MciError::NoClosingQuote:
        return "Im MCI-Befehl fehlt ein schließendes Anführungszeichen."_cp;
    case MciError::InvalidFile:
        return "Die Datei kann nicht abgespielt werden: Ihr Format wird nicht unterstützt "
               "oder sie ist beschädigt."_cp;
    case MciError::NewRequiresAlias:
        return "Ein neues Gerät braucht einen Alias-Namen."_cp;
    case MciError::DeviceNotInstalled:
        return "Das angegebene Gerät ist auf diesem Computer nicht vorhanden."_cp;
    case MciError::NoOutputDevice:
        return "Es steht kein Gerät zur Tonwiedergabe zur Verfügung."_cp;
    case MciError::NoInputDevice:
        return "Es steht kein Gerät zur Tonaufnahme zur Verfügung."_cp;
    default:
        return "Unbekannter MCI-Fehler "_cp + std::to_string(error) + ".";
    }
}

} // namespace qor
