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

// A message of letters (exchange/Letters.h).
inline constexpr const char* textTitle = RSA_TEXT("rsa", "Harflerle mesaj");
inline constexpr const char* messageLabel = RSA_TEXT("rsa", "Mesaj:");
inline constexpr const char* messagePlaceholder = RSA_TEXT("rsa", "MERHABA");
inline constexpr const char* sendText = RSA_TEXT("rsa", "Mesajı şifrele");
inline constexpr const char* receiveText = RSA_TEXT("rsa", "Mesajı çöz");
inline constexpr const char* signText = RSA_TEXT("rsa", "Mesajı imzala");
inline constexpr const char* verifyText = RSA_TEXT("rsa", "Mesaj imzasını doğrula");
inline constexpr const char* receivedMessageLabel = RSA_TEXT("rsa", "Çözülen mesaj:");
inline constexpr const char* letterTableTitle = RSA_TEXT("rsa", "Harf tablosu");
inline constexpr const char* blankName = RSA_TEXT("rsa", "boşluk");
inline constexpr const char* packingRule = RSA_TEXT(
    "rsa", "Her harf iki basamaklı bir sayıdır (A = 00 … Z = 28, boşluk = 29). Bir bloğa, blok "
           "n sayısından küçük kaldıkça yan yana harf konur: n, 29 sayısından büyükse bir harf, "
           "2929 sayısından büyükse iki, 292929 sayısından büyükse üç, 29292929 sayısından "
           "büyükse dört harf. Son blok boşlukla tamamlanır.");
inline constexpr const char* equalLetters = RSA_TEXT(
    "rsa", "Dikkat: her blokta bir harf olduğundan aynı harfler aynı şifreli bloğu verir. Uzun "
           "bir mesajda en sık görülen blok büyük olasılıkla A ya da E harfidir; sınıf mesajı d "
           "üssünü bilmeden, harf sıklıklarından tahmin edebilir.");
inline constexpr const char* frequencyTitle =
    RSA_TEXT("rsa", "Bloklar ne sıklıkla geçiyor, Türkçe metinde harfler ne sıklıkla geçiyor");
inline constexpr const char* blockCountsLine = RSA_TEXT("rsa", "Bu mesajın blokları: {0}");
inline constexpr const char* letterSharesLine = RSA_TEXT("rsa", "Türkçe metinde harfler: {0}");
inline constexpr const char* frequencyLesson = RSA_TEXT(
    "rsa", "Her blokta tek harf varken aynı harf hep aynı bloğu verir; bu yüzden blokların "
           "sıklığı harflerin sıklığını izler. En sık bloğu A, sonrakileri E, İ, N, R, L ile "
           "deneyerek sınıf mesajı d üssü olmadan tahmin edebilir. Gerçek RSA bu yüzden iletiyi "
           "şifrelemeden önce rastgele baytlarla doldurur (OAEP dolgusu): aynı ileti her seferinde "
           "başka bir şifreli metin verir ve sıklıklar hiçbir şey söylemez.");
inline constexpr const char* textSignatureInvalid =
    RSA_TEXT("rsa", "İmza geçersiz: şu bloklar uymuyor: {0}. Mesaj ya da imza değişmiş, ya da "
                    "imza bu açık anahtarın sahibinden gelmiyor.");
// A block and how often it occurs: "1234 ×5".
inline constexpr const char* blockCount = RSA_TEXT("rsa", "{0} ×{1}");
// A letter and its share in Turkish text, the whole per cent and two decimals.
inline constexpr const char* letterShare = RSA_TEXT("rsa", "{0} %{1},{2}");
inline constexpr const char* textNothingToSave =
    RSA_TEXT("rsa", "Kaydedilecek blok yok: önce bir mesaj şifreleyin ya da imzalayın.");

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

inline constexpr const char* letterNotAllowed = RSA_TEXT(
    "rsa", "Mesajın {0}. karakteri \"{1}\" kullanılamaz: mesajda yalnız Türk alfabesinin 29 "
           "harfi ve boşluk olabilir.");
inline constexpr const char* messageEmpty =
    RSA_TEXT("rsa", "Mesajda hiç harf yok: en az bir harf yazın.");
inline constexpr const char* messageTooLong =
    RSA_TEXT("rsa", "Mesaj {0} karakter; en çok {1} karakter olabilir.");
inline constexpr const char* modulusBelowLetter = RSA_TEXT(
    "rsa", "n = {0} sayısı 30 sayısından küçük; bir harfin kodu (en çok 29) bile n sayısından "
           "küçük kalmaz.");
inline constexpr const char* noBlocks = RSA_TEXT("rsa", "Metinde hiç blok yok.");
inline constexpr const char* blockNotLetters = RSA_TEXT(
    "rsa", "{0}. blok çözülünce {1} verdi; bu, {2} harflik bir blok değildir (her harfin kodu "
           "00 ile 29 arasındadır): bloklar başka bir açık anahtarla şifrelenmiş ya da harf "
           "değil.");
inline constexpr const char* blockCountDiffers =
    RSA_TEXT("rsa", "İmzada {0} blok var, oysa mesaj bu n ile {1} bloğa bölünür.");
inline constexpr const char* notLetterFile = RSA_TEXT(
    "rsa", "Bu dosyada harflerle yazılmış bir mesaj yok: ilk satırı \"HARFLER\" değil, \"{0}\".");

} // namespace rsa::texts::exchange
