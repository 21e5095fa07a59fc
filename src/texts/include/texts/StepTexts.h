#pragma once

// Every text of the step-by-step explanation and of the window that shows it.
// Like Texts.h, they are Turkish, the source language, and marked with
// RSA_TEXT for the translation catalogues. A text with {0}, {1}, ... is a
// pattern: the explanation puts the numbers in after translating it, so a
// translation keeps the slots and may reorder them. Sentences are short so
// that they can be read from the back of a class; a number never takes a
// suffix (Turkish suffixes follow how a number is spoken), so the sentences
// say "61 sayısı" where they must. Symbols (r, q, s, t, d, x²) are not
// translated.

#include "texts/Texts.h"

namespace rsa::texts::steps {

// A section is titled with the caption of the button that ran its command.
inline constexpr const char* stoppedByError =
    RSA_TEXT("rsa", "Komut bir çalışma hatasıyla durdu (ana penceredeki \"Hata\" iletisi). "
                    "Bu adımın açıklanacak bir sonucu yok.");

// Primes.
inline constexpr const char* primeDefinition =
    RSA_TEXT("rsa", "Bir sayı, 1 ve kendisinden başka böleni yoksa asaldır.");
inline constexpr const char* primeMethod = RSA_TEXT(
    "rsa", "Bir n sayısını sınamak için 2'den √n sayısına kadar bölmek yeter: n = a × b ise a ile "
           "b sayılarının küçüğü √n sayısını geçmez.");
inline constexpr const char* primeCount =
    RSA_TEXT("rsa", "1 ile 100 arasında {0} asal sayı var. Örnekler:");
// {0} names the number ("p = 61" or "61"), {1} is the number itself.
inline constexpr const char* notWhole = RSA_TEXT("rsa", "{0}: tam sayı değil, asal olamaz.");
inline constexpr const char* one =
    RSA_TEXT("rsa", "{0}: 1 asal değildir; asal bir sayının tam iki böleni vardır, 1 ve kendisi.");
inline constexpr const char* belowTwo =
    RSA_TEXT("rsa", "{0}: asal değildir; asal sayılar 2'den başlar.");
inline constexpr const char* composite =
    RSA_TEXT("rsa", "{0} asal değildir: en küçük böleni {2}, {1} = {2} × {3}.");
inline constexpr const char* primeNoTrial =
    RSA_TEXT("rsa", "{0} asaldır: {2}² = {3} > {1}, denenecek bölen yok.");
// {2} is the range of divisors tried ("2 … 7"), {3} the first one not needed.
inline constexpr const char* primeTrial = RSA_TEXT(
    "rsa", "{0} asaldır: denenen bölenlerin ({2}) hiçbiri {1} sayısını bölmez. {3}² = {4} > {1} "
           "olduğundan daha ötesine bakmak gerekmez.");
inline constexpr const char* randomPair = RSA_TEXT(
    "rsa", "1 ile 100 arasından iki farklı asal rastgele seçildi: p = {0}, q = {1}. p × q = {2} en "
           "az 100 olmalı ki her iki basamaklı blok n sayısından küçük kalsın.");
inline constexpr const char* equalPrimes = RSA_TEXT(
    "rsa", "p = q = {0}: RSA iki farklı asal ister. n = p² olunca φ(n) = p · (p − 1) olur, "
           "(p − 1)² değil; (p − 1)² ile bulunan d blokları geri getirmez.");
inline constexpr const char* keyNotComputed =
    RSA_TEXT("rsa", "Anahtar hesaplanmadı; önce hesaplanan anahtar geçerli kalır.");

// Divisors of phi.
inline constexpr const char* phiValue = RSA_TEXT("rsa", "φ = (p − 1)(q − 1) = {0} × {1} = {2}.");
inline constexpr const char* phiOnlyOne = RSA_TEXT("rsa", "{0}: listelenecek bölen yalnız 1.");
inline constexpr const char* phiNotForComposites = RSA_TEXT(
    "rsa", "Not: p ve q asal değilse (p − 1)(q − 1) sayısı φ(n) değildir; formül yalnız asallar "
           "için doğrudur.");
inline constexpr const char* factorisation = RSA_TEXT("rsa", "Asal çarpanlara ayrılışı: {0}.");
inline constexpr const char* divisorCount =
    RSA_TEXT("rsa", "{0} sayısının {1} böleni var; pencere hepsini "
                    "listeler.");
inline constexpr const char* exponentRule = RSA_TEXT(
    "rsa", "Açık üs e, bu asal çarpanların hiçbirine bölünmemeli: {0}. O zaman ebob(e, φ) = 1 olur "
           "ve gizli üs d vardır.");
inline constexpr const char* exponentExamples = RSA_TEXT("rsa", "Uygun küçük e değerleri: {0}.");

// The key.
inline constexpr const char* modulus = RSA_TEXT("rsa", "n = p × q = {0} × {1} = {2} ({3} bit).");
inline constexpr const char* phi =
    RSA_TEXT("rsa", "φ = (p − 1)(q − 1) = {0} × {1} = {2} ({3} bit).");
inline constexpr const char* phiMeaning =
    RSA_TEXT("rsa", "φ, 1 ile n arasında n ile aralarında asal olan sayıların sayısıdır.");
inline constexpr const char* exponentNotWhole =
    RSA_TEXT("rsa", "e = {0}: açık üs 1'den büyük bir tam sayı olmalı.");
inline constexpr const char* exponentAbovePhi =
    RSA_TEXT("rsa", "e = {0} ≥ φ: hesapta e mod φ = {1} gibi davranır.");
inline constexpr const char* euclidIntro = RSA_TEXT(
    "rsa",
    "Genişletilmiş Öklid algoritması ebob(e, φ) sayısını bulur; her satırda r = s · φ + t · e "
    "eşitliği sağlanır. Bir satırın q değeri, önceki r sayısının bu r sayısına tam bölümüdür. "
    "Sonraki satırın r, s ve t değerleri \"önceki − q × bu\" ile bulunur. Kalan 0 olunca "
    "durulur; son r, ebob sayısıdır.");
inline constexpr const char* euclidTitle = RSA_TEXT("rsa", "Öklid tablosu: ebob({0}, {1})");
inline constexpr const char* euclidColumns[] = {RSA_TEXT("rsa", "adım"), "r", "q", "s", "t"};
inline constexpr const char* euclidResultRow = "d";
inline constexpr const char* coprime =
    RSA_TEXT("rsa", "ebob({0}, {1}) = 1: e ile φ aralarında asal.");
inline constexpr const char* privateExponent =
    RSA_TEXT("rsa", "Gizli üs: d = t mod φ = {0} mod {1} = {2}.");
inline constexpr const char* inverseCheck =
    RSA_TEXT("rsa", "Sınama: e · d mod φ = {0} · {1} mod {2} = {3} mod "
                    "{2} = 1.");
inline constexpr const char* keyPair =
    RSA_TEXT("rsa", "Açık anahtar (e, n) = ({0}, {1}); gizli anahtar (d, n) = ({2}, {1}).");
inline constexpr const char* sharedFactor =
    RSA_TEXT("rsa", "ebob({0}, {1}) = {2} ≠ 1: e ile φ sayılarının ortak "
                    "asal çarpanı var: {3}. e · d mod φ = 1 olan "
                    "bir d yoktur; pencere \"hatalı giriş\" der.");

// Encryption and decryption.
inline constexpr const char* noKey =
    RSA_TEXT("rsa", "Önce anahtar hesaplanmalı: şifreleme açık anahtarı (e, n) kullanır.");
inline constexpr const char* keyForOtherPrimes = RSA_TEXT(
    "rsa", "Anahtar p = {0}, q = {1} için hesaplanmıştı, şimdi p = {2}, q = {3}. Başka asalların "
           "anahtarı bu n ile çalışmaz: anahtarı yeniden hesaplayın.");
inline constexpr const char* blocksCut = RSA_TEXT(
    "rsa", "Kart numarası {0} sekiz bloğa bölünür: her dört basamaklı grup iki basamaklı iki blok "
           "verir.");
inline constexpr const char* blocksNotBelowModulus = RSA_TEXT(
    "rsa", "Şu bloklar n = {0} sayısından küçük değil: {1}. Şifre çözme böyle bir bloğu değil, "
           "n ile bölümünden kalanı geri verirdi; şifreleme yapılmadı. Daha büyük asallar seçin.");
inline constexpr const char* encryptionFormula =
    RSA_TEXT("rsa", "Her blok m için c = m{0} mod {1}.");
inline constexpr const char* blockColumn = RSA_TEXT("rsa", "blok");
inline constexpr const char* powerMethod = RSA_TEXT(
    "rsa",
    "Modüler üs alma, kare al ve çarp yöntemiyle: üs ikili yazılır ({0}) ve bitleri soldan "
    "okunur. x = 1 ile başlanır; her bitte x'in karesi alınıp mod n ile indirgenir, bit 1 ise "
    "sonuç bir de taban ile çarpılıp indirgenir.");
inline constexpr const char* powerColumns[] = {
    RSA_TEXT("rsa", "adım"),  "bit", "x²", "x² mod n", RSA_TEXT("rsa", "x · taban"),
    RSA_TEXT("rsa", "yeni x")};
inline constexpr const char* encryptedBlockTitle =
    RSA_TEXT("rsa", "Blok {0}: c{1} = {2}{3} mod {4} = {5}");
inline constexpr const char* decryptedBlockTitle =
    RSA_TEXT("rsa", "Blok {0}: r{1} = {2}{3} mod {4} = {5}");
inline constexpr const char* roundedBlock =
    RSA_TEXT("rsa", "Blok {0} tam sayı değil; {1} olarak yuvarlanır.");
inline constexpr const char* negativeOddPower = RSA_TEXT(
    "rsa", "Taban negatif: tablo {0} ile çalışır, üs tek olduğundan sonuç eksi işaret alır.");
inline constexpr const char* negativeEvenPower =
    RSA_TEXT("rsa", "Taban negatif: tablo {0} ile çalışır, üs çift olduğundan sonuç pozitiftir.");
inline constexpr const char* noCipherBlocks =
    RSA_TEXT("rsa", "Önce kart numarası şifrelenmeli: çözülecek şifreli blok yok.");
inline constexpr const char* keyChanged = RSA_TEXT(
    "rsa", "Şifreli bloklar başka bir anahtarla yapıldı; bu gizli anahtar onları çözemez. Kartı "
           "yeniden şifreleyin.");
inline constexpr const char* decryptionFormula =
    RSA_TEXT("rsa", "Her şifreli blok c için r = c{0} mod {1}.");
inline constexpr const char* whyDecryptionWorks = RSA_TEXT(
    "rsa", "e · d mod φ = 1 olduğundan her m < n için (mᵉ)ᵈ mod n = m olur: şifre çözme bloğu geri "
           "getirir.");
inline constexpr const char* roundTripSame =
    RSA_TEXT("rsa", "Bloklar yeniden birleştirildi: {0}. Şifrelenen kart numarasıyla aynı.");
inline constexpr const char* roundTripDifferent = RSA_TEXT(
    "rsa", "Bloklar yeniden birleştirildi: {0}. Şifrelenen kart numarası {1} idi: farklı.");

// What an attacker sees.
inline constexpr const char* attackerTitle =
    RSA_TEXT("rsa", "Saldırganın gördüğü: yalnız açık anahtar (e, n)");
inline constexpr const char* attackerTable = RSA_TEXT(
    "rsa",
    "Bloklar 00 ile 99 arasındadır. Açık anahtarı bilen herkes 100 olası bloğun hepsini önceden "
    "şifreleyebilir; sonra her şifreli blok tablodan kendi açık bloğunu ele verir.");
inline constexpr const char* attackerColumns[] = {
    RSA_TEXT("rsa", "blok"), RSA_TEXT("rsa", "görülen c"), RSA_TEXT("rsa", "tablodan m")};
inline constexpr const char* notInTable = RSA_TEXT("rsa", "tabloda yok");
inline constexpr const char* cardRecovered =
    RSA_TEXT("rsa", "Kart numarası d kullanılmadan bulundu: {0}.");
inline constexpr const char* cardPartlyRecovered = RSA_TEXT(
    "rsa", "00 ile 99 dışındaki bloklar tabloda yok; kart numarasının geri kalanı d kullanılmadan "
           "bulundu.");
inline constexpr const char* equalBlocks =
    RSA_TEXT("rsa", "Eşit açık bloklar eşit şifreli bloklar verir: {0}.");
inline constexpr const char* equalBlocksEntry = RSA_TEXT("rsa", "{0} → {1} (blok {2})");
inline constexpr const char* noEqualBlocks =
    RSA_TEXT("rsa", "Bu kartta eşit blok yok; olsaydı şifreli metinde de eşit görünürlerdi.");
inline constexpr const char* fixedPoints = RSA_TEXT(
    "rsa", "Kendine şifrelenen bloklar (mᵉ mod n = m): {0}. 0 ve 1 her anahtarda kendine gider; "
           "ötekiler anahtara bağlıdır.");
inline constexpr const char* factoring = RSA_TEXT(
    "rsa",
    "n = {0} sayısını deneme bölmesiyle çarpanlarına ayırmak {1} bölme sürdü: {0} = {2} × {3}.");
inline constexpr const char* privateFromFactors = RSA_TEXT(
    "rsa",
    "Çarpanlardan φ = {0} ve aynı Öklid adımlarıyla d = {1} bulunur: gizli üssün ta kendisi.");
inline constexpr const char* realRsa = RSA_TEXT(
    "rsa",
    "Gerçek RSA'da p ve q yüzlerce basamaklıdır; n sayısını çarpanlarına ayırmak bugünkü "
    "bilgisayarlarla pratikte imkânsızdır. Ayrıca her blok şifrelenmeden önce rastgele dolgu "
    "(padding, örneğin OAEP) ile genişletilir: aynı blok her seferinde başka bir şifreli blok "
    "verir ve önceden hazırlanmış bir tablo işe yaramaz.");

// The step window.
inline constexpr const char* windowTitle = RSA_TEXT("rsa", "Adım adım");
inline constexpr const char* placeholder =
    RSA_TEXT("rsa", "Ana pencerede bir düğmeye basın: burada o adım açıklanır.");
inline constexpr const char* clearButton = RSA_TEXT("rsa", "Temizle");
inline constexpr const char* copyButton = RSA_TEXT("rsa", "Kopyala");
inline constexpr const char* copyTooltip =
    RSA_TEXT("rsa", "Seçili metni, seçim yoksa tüm açıklamayı kopyalar");
inline constexpr const char* exportButton = RSA_TEXT("rsa", "Dışa aktar");
inline constexpr const char* exportTooltip =
    RSA_TEXT("rsa", "Açıklamanın tamamını HTML ya da PDF olarak kaydeder");
inline constexpr const char* zoomHint = RSA_TEXT("rsa", "Yazı boyu: Ctrl++ / Ctrl+- / Ctrl+0");
inline constexpr const char* exportFilter =
    RSA_TEXT("rsa", "HTML dosyası (*.html);;PDF dosyası (*.pdf)");
inline constexpr const char* exportFailed = RSA_TEXT("rsa", "Dosya kaydedilemedi: ");
inline constexpr const char* pdfFailed = RSA_TEXT("rsa", "PDF oluşturulamadı");

// The handout and the export dialog.
inline constexpr const char* handoutTitle = RSA_TEXT("rsa", "RSA adım adım: ders notu");
inline constexpr const char* handoutDate = RSA_TEXT("rsa", "Tarih: {0}");
// The locale whose month names and order the date takes; a translation names its own.
inline constexpr const char* handoutLocale = RSA_TEXT("rsa", "tr_TR");
inline constexpr const char* handoutKey =
    RSA_TEXT("rsa", "Anahtar: p = {0}, q = {1}, n = {2}, e = {3}, d = {4}");
inline constexpr const char* handoutNoKey = RSA_TEXT("rsa", "Anahtar: henüz hesaplanmadı.");
inline constexpr const char* foldedTable = RSA_TEXT(
    "rsa", "Kapalı tablo ({0} satır): pencerede başlığına tıklanınca açılır ve öyle yazdırılır.");
inline constexpr const char* foldedGroup =
    RSA_TEXT("rsa", "Kapalı bölüm: pencerede başlığına tıklanınca açılır ve öyle yazdırılır.");
inline constexpr const char* exportProgress = RSA_TEXT("rsa", "PDF hazırlanıyor…");
inline constexpr const char* exportCancel = RSA_TEXT("rsa", "İptal");
inline constexpr const char* nameTooLong = RSA_TEXT(
    "rsa", "Dosya adı çok uzun: uzantısıyla birlikte en çok 255 bayt olabilir, bu ad {0} bayt.");

} // namespace rsa::texts::steps
