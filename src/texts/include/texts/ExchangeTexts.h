#pragma once

// Every text of the exchange window ("Mesajlaşma"): its captions, buttons,
// results and the one sentence for each refusal. Turkish is the source
// language and the words are the glossary's (açık anahtar, özel anahtar,
// şifreleme, şifre çözme, sayısal imza, blok). A {0}, {1}, ... stands for a
// number or text the window fills in after translating, so a translation may
// reorder them. A number never takes a suffix: the sentences say "n = {0}
// sayısından", "{0}. blok".

#include "texts/Texts.h"

namespace rsa::texts::exchange {

inline constexpr const char* windowTitle = RSA_TEXT("rsa", "Mesajlaşma");

// My key.
inline constexpr const char* myKeyTitle = RSA_TEXT("rsa", "Anahtarım");
inline constexpr const char* noKeyYet = RSA_TEXT(
    "rsa", "Henüz bir anahtarınız yok. Ana pencerede \"private anahtarı hesapla\" düğmesine "
           "basın ya da aşağıda kendinize bir anahtar çifti üretin.");
inline constexpr const char* keyFromMainWindow =
    RSA_TEXT("rsa", "Ana pencerenin son hesapladığı anahtar:");
inline constexpr const char* keyDrawnHere =
    RSA_TEXT("rsa", "Sistemin rastgele kaynağından üretilen anahtar:");
inline constexpr const char* publicKeyTitle = RSA_TEXT("rsa", "Açık anahtarım (e, n)");
inline constexpr const char* copyPublicKey = RSA_TEXT("rsa", "Kopyala");
inline constexpr const char* copyPublicKeyTip =
    RSA_TEXT("rsa", "Açık anahtarı (e, n) arkadaşlarınıza göndermek için panoya kopyalar");
inline constexpr const char* newKey = RSA_TEXT("rsa", "Bana özel anahtar üret");
inline constexpr const char* newKeyTip = RSA_TEXT(
    "rsa", "İşletim sisteminin rastgele kaynağından iki farklı asal seçer, e ve d sayılarını "
           "hesaplar");
inline constexpr const char* rangeLabel = RSA_TEXT("rsa", "Asallar en çok:");
inline constexpr const char* range100 = RSA_TEXT("rsa", "100");
inline constexpr const char* range1000 = RSA_TEXT("rsa", "1.000");
inline constexpr const char* range46340 = RSA_TEXT("rsa", "46.340 (n < 2³¹)");
inline constexpr const char* exponentLabel = RSA_TEXT("rsa", "e (isteğe bağlı):");
inline constexpr const char* useKey = RSA_TEXT("rsa", "Ana pencereye aktar");
inline constexpr const char* useKeyTip =
    RSA_TEXT("rsa", "p, q ve e sayılarını ana pencereye yazar ve orada private anahtarı hesaplar");

// The four acts.
inline constexpr const char* sendTitle =
    RSA_TEXT("rsa", "Gönder: arkadaşının açık anahtarıyla şifrele");
inline constexpr const char* receiveTitle = RSA_TEXT("rsa", "Al: özel anahtarımla şifreyi çöz");
inline constexpr const char* signTitle = RSA_TEXT("rsa", "İmzala: özel anahtarımla");
inline constexpr const char* verifyTitle =
    RSA_TEXT("rsa", "İmzayı doğrula: imzalayanın açık anahtarıyla");
inline constexpr const char* cardLabel = RSA_TEXT("rsa", "Kart numarası:");
inline constexpr const char* cardPlaceholder = RSA_TEXT("rsa", "1234 5678 9012 3456");
inline constexpr const char* encrypt = RSA_TEXT("rsa", "Şifrele");
inline constexpr const char* cipherLabel = RSA_TEXT("rsa", "Şifreli bloklar:");
inline constexpr const char* decrypt = RSA_TEXT("rsa", "Şifreyi çöz");
inline constexpr const char* openFile = RSA_TEXT("rsa", "Dosya aç…");
inline constexpr const char* saveFile = RSA_TEXT("rsa", "Kaydet…");
inline constexpr const char* sign = RSA_TEXT("rsa", "İmzala");
inline constexpr const char* signatureLabel = RSA_TEXT("rsa", "İmza blokları:");
inline constexpr const char* verify = RSA_TEXT("rsa", "Doğrula");
inline constexpr const char* pasteTooLong = RSA_TEXT(
    "rsa", "Yapıştırılan metin {0} karakter; bu kutu en çok {1} karakterlik bir metin alır. "
           "Yalnız blokları yapıştırın.");
inline constexpr const char* lastEightRead =
    RSA_TEXT("rsa", "Metinde {0} blok var; son sekizi, yani en yeni mesaj okundu.");

// Verification.
inline constexpr const char* signatureValid =
    RSA_TEXT("rsa", "İmza geçerli: bu bloklar bu açık anahtara uyuyor (her sᵉ mod n kartın "
                    "bloğunu veriyor).");
inline constexpr const char* signatureInvalid =
    RSA_TEXT("rsa", "İmza geçersiz: şu bloklar uymuyor: {0}. Kart numarası ya da imza değişmiş, "
                    "ya da imza bu açık anahtarın sahibinden gelmiyor.");
inline constexpr const char* whySignatureProves = RSA_TEXT(
    "rsa", "Geçerli bir denetim yalnız şunu gösterir: her imza bloğu, e ile açılınca kartın "
           "bloğunu veriyor. Bu ders sürümündeki imza, d olmadan da taklit edilebilir: 00 ve 01 "
           "blokları kendi imzalarıdır, iki imzalı bloğun çarpımı da imzalı bir bloktur ve küçük "
           "blokların tam kökleri alınabilir. Gerçek imzalarda ileti imzalanmadan önce özetlenir "
           "ve doldurulur (RSA-PSS gibi); böylece bu taklitler işe yaramaz.");

// Files.
inline constexpr const char* sigFilter = RSA_TEXT("rsa", "imza (*.SIG)|*.SIG");
inline constexpr const char* saved = RSA_TEXT("rsa", "Kaydedildi: {0}");
inline constexpr const char* allFilesFilter = RSA_TEXT("rsa", "tüm dosyalar (*)|*");
inline constexpr const char* nothingToSave =
    RSA_TEXT("rsa", "Kaydedilecek blok yok: önce bir kart numarası şifreleyin ya da imzalayın.");

// Refusals, one sentence each.
inline constexpr const char* modulusNotWhole =
    RSA_TEXT("rsa", "n, en çok {0} olan bir tam sayı olmalıdır.");
inline constexpr const char* exponentNotWhole =
    RSA_TEXT("rsa", "e, en çok {0} olan bir tam sayı olmalıdır.");
inline constexpr const char* modulusBelow100 = RSA_TEXT(
    "rsa", "n = {0} sayısı 100 sayısından küçük; iki basamaklı her blok n sayısından küçük "
           "olmalıdır.");
inline constexpr const char* exponentBelowTwo =
    RSA_TEXT("rsa", "e = {0} kullanılamaz: açık üs e en az 2 olmalıdır.");
inline constexpr const char* exponentEven = RSA_TEXT(
    "rsa", "e = {0} çift sayıdır: φ = (p − 1)(q − 1) her zaman çift olduğundan çift bir e, φ ile "
           "aralarında asal olamaz.");
inline constexpr const char* noPairForExponent = RSA_TEXT(
    "rsa", "{1} sayısına kadar olan asallardan φ sayısı e = {0} ile aralarında asal olan bir çift "
           "bulunamadı; başka bir e deneyin.");
inline constexpr const char* blockNotBelowModulus = RSA_TEXT(
    "rsa", "{0}. blok ({1}), n = {2} sayısından küçük değil; böyle bir blok bu anahtarla geri "
           "getirilemez.");
inline constexpr const char* blockBeyondRange =
    RSA_TEXT("rsa", "{0}. blok ({1}) çok büyük; n en çok {2} olabilir.");
inline constexpr const char* blockNotNumber = RSA_TEXT("rsa", "{0}. blok bir sayı değil: \"{1}\".");
inline constexpr const char* tooFewBlocks =
    RSA_TEXT("rsa", "Sekiz blok gerekir, {0} blok bulundu.");
inline constexpr const char* blockNotTwoDigits = RSA_TEXT(
    "rsa",
    "{0}. blok çözülünce {1} verdi, oysa kart numarasının blokları iki basamaklıdır: bloklar "
    "başka bir açık anahtarla ya da n sayısına uymayan bir e ile şifrelenmiş.");
inline constexpr const char* cardNotSixteenDigits =
    RSA_TEXT("rsa", "Kart numarası 16 rakam olmalıdır (dörder rakamlık dört grup): \"{0}\".");
inline constexpr const char* noKey = RSA_TEXT(
    "rsa", "Önce bir anahtar çifti edinin: ana pencerede private anahtarı hesaplayın ya da "
           "\"Bana özel anahtar üret\" düğmesine basın.");
inline constexpr const char* fileUnreadable = RSA_TEXT("rsa", "Dosya okunamadı: {0}");
inline constexpr const char* fileLineCount =
    RSA_TEXT("rsa", "Dosyada {0} satır var; bu türden bir dosya {1} satırdır.");
inline constexpr const char* keyMissing =
    RSA_TEXT("rsa", "Açık anahtarın e ve n kutuları boş: arkadaşınızın açık anahtarını yazın ya da "
                    "yapıştırın.");
inline constexpr const char* exponentMissing =
    RSA_TEXT("rsa", "e kutusu boş: açık anahtarın e sayısını yazın.");
inline constexpr const char* modulusMissing =
    RSA_TEXT("rsa", "n kutusu boş: açık anahtarın n sayısını yazın.");
inline constexpr const char* exponentOwnInverse = RSA_TEXT(
    "rsa", "e = {0} kullanılamaz: {1} sayısına kadar olan asallardan yapılan her çiftte e ile "
           "şifrelenen blok yine e ile çözülürdü (d = e ya da d = 1 iş görürdü); başka bir e "
           "deneyin.");

} // namespace rsa::texts::exchange
