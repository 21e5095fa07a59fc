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

// A section's title says what the command did, with the caption of the button
// that ran it in {0}.
inline constexpr const char* primeListTitle =
    RSA_TEXT("rsa", "1 ile 100 arasındaki asal sayılar ({0})");
inline constexpr const char* randomPairTitle =
    RSA_TEXT("rsa", "Rastgele iki asal sayının seçilmesi ({0})");
inline constexpr const char* factorsTitle = RSA_TEXT("rsa", "φ(n) sayısının bölenleri ({0})");
inline constexpr const char* computeKeyTitle = RSA_TEXT("rsa", "Özel anahtarın hesaplanması ({0})");
inline constexpr const char* encryptTitle = RSA_TEXT("rsa", "Kart numarasının şifrelenmesi ({0})");
inline constexpr const char* decryptTitle = RSA_TEXT("rsa", "Şifreli blokların çözülmesi ({0})");

inline constexpr const char* stoppedByError =
    RSA_TEXT("rsa", "Komut bir çalışma hatasıyla durdu (programın \"Hata\" iletisi). "
                    "Bu adımın açıklanacak bir sonucu yok.");

// Primes.
inline constexpr const char* primeDefinition =
    RSA_TEXT("rsa", "Asal sayı, 1'den büyük olan ve 1 ile kendisinden başka pozitif böleni "
                    "bulunmayan doğal sayıdır.");
inline constexpr const char* primeMethod = RSA_TEXT(
    "rsa", "Bir n sayısını sınamak için 2'den √n sayısına kadar bölmek yeter: n = a × b ise a ile "
           "b sayılarının küçüğü √n sayısını geçmez.");
inline constexpr const char* primeCount =
    RSA_TEXT("rsa", "1 ile 100 arasında {0} asal sayı vardır. İki örnek:");
// {0} names the number ("p = 61" or "61"), {1} is the number itself.
inline constexpr const char* notWhole =
    RSA_TEXT("rsa", "{0}: tam sayı değildir, bu yüzden asal olamaz.");
inline constexpr const char* one =
    RSA_TEXT("rsa", "{0}: 1 asal değildir; asal bir sayının tam iki böleni vardır, 1 ve kendisi.");
inline constexpr const char* belowTwo =
    RSA_TEXT("rsa", "{0}: asal değildir; asal sayılar 2'den başlar.");
inline constexpr const char* composite =
    RSA_TEXT("rsa", "{0} asal değildir: 1'den büyük en küçük böleni {2}, {1} = {2} × {3}.");
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
// What a refused key computation leaves: no key; the earlier key, still made
// for these primes ({0} e, {1} n, {2} d, {3} p, {4} q); the earlier key, made
// for other primes.
inline constexpr const char* keyNotComputed =
    RSA_TEXT("rsa", "Anahtar hesaplanmadı. Programda henüz bir anahtar yok; anahtar hesaplanmadan "
                    "şifreleme yapılmaz.");
inline constexpr const char* earlierKeyFits = RSA_TEXT(
    "rsa", "Anahtar hesaplanmadı. Program önceki anahtarı tutar: açık anahtar (e, n) = ({0}, {1}), "
           "özel anahtar (d, n) = ({2}, {1}). Bu anahtar p = {3}, q = {4} için hesaplanmıştır; "
           "şifreleme onu kullanır.");
inline constexpr const char* earlierKeyForOtherPrimes = RSA_TEXT(
    "rsa", "Anahtar hesaplanmadı. Program önceki anahtarı tutar: açık anahtar (e, n) = ({0}, {1}), "
           "p = {3}, q = {4} için hesaplanmıştır. Bu anahtar şimdiki p ve q ile uyuşmaz; anahtar "
           "yeniden hesaplanana kadar şifreleme yapılmaz.");

// Divisors of phi.
inline constexpr const char* phiValue =
    RSA_TEXT("rsa", "Euler φ fonksiyonu: φ(n) = (p − 1)(q − 1) = {0} × {1} = {2}.");
inline constexpr const char* phiOnlyOne = RSA_TEXT("rsa", "{0}: listelenecek tek bölen 1'dir.");
inline constexpr const char* phiNotForComposites = RSA_TEXT(
    "rsa", "Not: p ve q asal değilse (p − 1)(q − 1) sayısı φ(n) değildir; formül yalnız asallar "
           "için doğrudur.");
inline constexpr const char* factorisation = RSA_TEXT("rsa", "Asal çarpanlarına ayrılır: {0}.");
inline constexpr const char* divisorCount =
    RSA_TEXT("rsa", "{0} sayısının {1} böleni vardır; program hepsini "
                    "listeler.");
// (p-1)(q-1) = {4} is not whole: the window tries each i up to {4} on its
// rounding {0}, so it leaves out the divisors {3} of {0} above {4}; {1} is
// how many {0} has, {2} how many the window lists.
inline constexpr const char* divisorsLeftOut = RSA_TEXT(
    "rsa", "{0} sayısının {1} böleni vardır, program {2} tanesini listeler. (p − 1)(q − 1) = {4} "
           "tam sayı değildir: program {4} sayısını aşmayan her i sayısını dener ve {4} sayısını "
           "bölerken {0} sayısına yuvarlar. Bu yüzden {0} sayısının bölenlerini bulur, ama {4} "
           "sayısından büyük olanları ({3}) listelemez.");
inline constexpr const char* exponentRule = RSA_TEXT(
    "rsa", "Açık üs e, bu asal çarpanların hiçbirine bölünmemelidir: {0}. O zaman ebob(e, φ) = 1 "
           "olur, yani e ile φ aralarında asaldır, ve özel üs d vardır.");
inline constexpr const char* exponentExamples =
    RSA_TEXT("rsa", "Uygun küçük e değerleri şunlardır: {0}.");

// The key.
inline constexpr const char* modulus = RSA_TEXT("rsa", "n = p × q = {0} × {1} = {2} ({3} bit).");
inline constexpr const char* phi =
    RSA_TEXT("rsa", "Euler φ fonksiyonu: φ(n) = (p − 1)(q − 1) = {0} × {1} = {2} ({3} bit).");
inline constexpr const char* phiMeaning =
    RSA_TEXT("rsa", "φ(n), 1 ile n arasında n ile aralarında asal olan sayıların sayısıdır.");
inline constexpr const char* exponentNotWhole =
    RSA_TEXT("rsa", "e = {0}: açık üs 1'den büyük bir tam sayı olmalıdır.");
// {2} is the integer quotient of e by phi, {3} the remainder.
inline constexpr const char* exponentAbovePhi = RSA_TEXT(
    "rsa", "e = {0} ≥ φ = {1}: tablo e ile başlar. İlk bölme e sayısını mod φ'ye göre indirger: "
           "{0} = {2} · {1} + {3}; sonraki satırlar {3} ile sürer.");
inline constexpr const char* euclidIntro = RSA_TEXT(
    "rsa",
    "Genişletilmiş Öklid algoritması ebob(e, φ) sayısını bulur; her satırda kalan = s · φ + t · e "
    "eşitliği sağlanır. Bir satırın bölümü, önceki kalanın bu kalana bölümünün tam kısmıdır. "
    "Sonraki satırın kalan, s ve t değerleri \"önceki − bölüm × bu\" ile bulunur. Kalan 0 "
    "olunca durulur; son kalan, ebob sayısıdır.");
inline constexpr const char* euclidTitle = RSA_TEXT("rsa", "Öklid tablosu: ebob({0}, {1})");
inline constexpr const char* euclidColumns[] = {RSA_TEXT("rsa", "adım"), RSA_TEXT("rsa", "kalan"),
                                                RSA_TEXT("rsa", "bölüm"), "s", "t"};
inline constexpr const char* euclidResultRow = "d";
inline constexpr const char* coprime =
    RSA_TEXT("rsa", "ebob({0}, {1}) = 1: e ile φ aralarında asaldır.");
inline constexpr const char* privateExponent = RSA_TEXT(
    "rsa", "Özel üs, e sayısının mod φ'ye göre tersidir: d = t mod φ = {0} mod {1} = {2}.");
inline constexpr const char* inverseCheck =
    RSA_TEXT("rsa", "Sağlama: e · d mod φ = {0} · {1} mod {2} = {3} mod "
                    "{2} = 1.");
inline constexpr const char* keyPair =
    RSA_TEXT("rsa", "Açık anahtar: (e, n) = ({0}, {1}). Özel anahtar (programdaki adıyla "
                    "private key): (d, n) = ({2}, {1}).");
inline constexpr const char* sharedFactor =
    RSA_TEXT("rsa", "ebob({0}, {1}) = {2} ≠ 1: e ile φ sayılarının ortak "
                    "asal çarpanı var: {3}. e · d mod φ = 1 olan "
                    "bir d yoktur; program \"hatalı giriş\" der.");

// Encryption and decryption.
inline constexpr const char* noKey = RSA_TEXT(
    "rsa", "Programda henüz bir anahtar yok. Önce anahtar hesaplanmalıdır: şifreleme açık anahtarı "
           "(e, n), şifre çözme özel anahtarı (d, n) kullanır.");
inline constexpr const char* keyForOtherPrimes = RSA_TEXT(
    "rsa", "Anahtar p = {0}, q = {1} için hesaplanmıştı, şimdi p = {2}, q = {3}. Başka asalların "
           "anahtarı bu n ile çalışmaz: anahtarı yeniden hesaplayın.");
inline constexpr const char* blocksCut = RSA_TEXT(
    "rsa", "Kart numarası {0} sekiz bloğa bölünür: her dört basamaklı grup iki basamaklı iki blok "
           "verir.");
// One warning for each group that is not four digits of a card number. {0} is
// the group's number (1 to 4), {1} the group as typed, {2} and {3} its two
// blocks, {4} its four digits as the card shows them.
inline constexpr const char* emptyGroup =
    RSA_TEXT("rsa", "Dikkat: {0}. grup boş; program onu 0000 olarak okur.");
inline constexpr const char* groupWithLetters = RSA_TEXT(
    "rsa",
    "Dikkat: {0}. grup \"{1}\" rakam olmayan işaretler içerir; program onu {4} olarak okur.");
inline constexpr const char* groupTooLong = RSA_TEXT(
    "rsa", "Dikkat: {0}. grup \"{1}\" dört basamaktan uzundur; {2} ve {3} bloklarını verir, "
           "bunlar iki basamaklı bloklar değildir.");
inline constexpr const char* negativeGroup = RSA_TEXT(
    "rsa", "Dikkat: {0}. grup \"{1}\" negatiftir; {2} ve {3} blokları negatif olur, RSA negatif "
           "blokları tanımlamaz.");
inline constexpr const char* fractionGroup = RSA_TEXT(
    "rsa", "Dikkat: {0}. grup \"{1}\" tam sayı değildir; program {2} ve {3} bloklarını yapar, "
           "bunlar kart numarasının basamakları değildir.");
inline constexpr const char* blocksNotBelowModulus = RSA_TEXT(
    "rsa", "Şu bloklar n = {0} sayısından küçük değildir: {1}. Şifre çözme böyle bir bloğu değil, "
           "n ile bölümünden kalanı geri verirdi; şifreleme yapılmadı. Daha büyük asallar seçin.");
inline constexpr const char* encryptionFormula =
    RSA_TEXT("rsa", "Her blok m, c = m{0} mod {1} ile şifrelenir.");
// {0} is n, which does not fit the window's 32-bit numbers.
inline constexpr const char* modulusTooLarge = RSA_TEXT(
    "rsa", "n = p × q = {0} sayısı programın 32 bitlik sayılarına sığmaz: en büyüğü 2147483647 "
           "(2³¹ − 1) sayısıdır. Bu yüzden bu anahtarla hiçbir blok şifrelenemez (\"Hata 6: "
           "Overflow\"). p × q en çok 2147483647 olan iki asal seçin; örneğin 46327 × 46337 = "
           "2146654199 çalışır.");
inline constexpr const char* blockColumn = RSA_TEXT("rsa", "blok");
inline constexpr const char* powerMethod = RSA_TEXT(
    "rsa",
    "Modüler üs alma, \"kare al ve çarp\" yöntemiyle yapılır: üs ikili yazılır ({0}) ve "
    "bitleri soldan okunur. x = 1 ile başlanır; her bitte x'in karesi alınır ve mod n'ye göre "
    "indirgenir. Bit 1 ise sonuç bir de taban ile çarpılır ve yeniden indirgenir.");
inline constexpr const char* powerColumns[] = {
    RSA_TEXT("rsa", "adım"),  "bit", "x²", "x² mod n", RSA_TEXT("rsa", "x · taban"),
    RSA_TEXT("rsa", "yeni x")};
inline constexpr const char* encryptedBlockTitle =
    RSA_TEXT("rsa", "Blok {0}: c{1} = {2}{3} mod {4} = {5}");
// One power of an exercise's solution, named as its box: {0} the answer's
// symbol (c, r, m₁), {1} the base's (m, c′, c₁), then the base, the exponent,
// n and the result.
inline constexpr const char* powerTitle = RSA_TEXT("rsa", "{0} = {2}{3} mod {4} = {5}");
inline constexpr const char* powerFormula =
    RSA_TEXT("rsa", "{0} = {1}{3} mod {4}, burada {1} = {2}.");
inline constexpr const char* decryptedBlockTitle =
    RSA_TEXT("rsa", "Blok {0}: r{1} = {2}{3} mod {4} = {5}");
inline constexpr const char* roundedBlock =
    RSA_TEXT("rsa", "Blok {0} tam sayı değildir; {1} olarak yuvarlanır.");
inline constexpr const char* negativeOddPower = RSA_TEXT(
    "rsa", "Taban negatiftir: tablo {0} ile çalışır, üs tek olduğundan sonuç eksi işaret alır.");
inline constexpr const char* negativeEvenPower = RSA_TEXT(
    "rsa", "Taban negatiftir: tablo {0} ile çalışır, üs çift olduğundan sonuç pozitiftir.");
inline constexpr const char* noCipherBlocks =
    RSA_TEXT("rsa", "Önce kart numarası şifrelenmelidir: çözülecek şifreli blok yoktur.");
inline constexpr const char* keyChanged = RSA_TEXT(
    "rsa", "Şifreli bloklar başka bir anahtarla yapıldı; bu özel anahtar onları çözemez. Kartı "
           "yeniden şifreleyin.");
inline constexpr const char* decryptionFormula =
    RSA_TEXT("rsa", "Her şifreli blok c, r = c{0} mod {1} ile çözülür.");
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
    RSA_TEXT("rsa", "Bu kartta eşit blok yoktur; olsaydı şifreli metinde de eşit görünürlerdi.");
inline constexpr const char* fixedPoints = RSA_TEXT(
    "rsa", "Kendisine şifrelenen bloklar (mᵉ mod n = m) şunlardır: {0}. 0 ve 1 her anahtarda "
           "kendisine şifrelenir; ötekiler anahtara bağlıdır.");
inline constexpr const char* factoring = RSA_TEXT(
    "rsa",
    "n = {0} sayısını deneme bölmesiyle çarpanlarına ayırmak {1} bölme gerektirdi: {0} = {2} × "
    "{3}.");
inline constexpr const char* privateFromFactors = RSA_TEXT(
    "rsa", "Çarpanlardan φ(n) = {0} ve aynı Öklid adımlarıyla d = {1} bulunur: bu, özel üssün ta "
           "kendisidir.");
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
inline constexpr const char* pdfFailed = RSA_TEXT("rsa", "PDF oluşturulamadı");

// The handout and the export dialog.
inline constexpr const char* handoutTitle = RSA_TEXT("rsa", "RSA adım adım: ders notu");
inline constexpr const char* handoutDate = RSA_TEXT("rsa", "Tarih: {0}");
// The locale whose month names and order the date takes; a translation names its own.
inline constexpr const char* handoutLocale = RSA_TEXT("rsa", "tr_TR");
inline constexpr const char* handoutKey =
    RSA_TEXT("rsa", "Anahtar: p = {0}, q = {1}, n = {2}, e = {3}, d = {4}");
inline constexpr const char* handoutNoKey = RSA_TEXT("rsa", "Anahtar: henüz hesaplanmadı.");
inline constexpr const char* exportProgress = RSA_TEXT("rsa", "PDF hazırlanıyor…");
inline constexpr const char* exportCancel = RSA_TEXT("rsa", "İptal");
inline constexpr const char* nameTooLong = RSA_TEXT(
    "rsa", "Dosya adı çok uzun: uzantısıyla birlikte en çok 255 bayt olabilir, bu ad {0} bayt.");

} // namespace rsa::texts::steps
