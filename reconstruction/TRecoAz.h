// The reconstruction driver: turns a device image file into the panel's configuration records.
// It cuts the three memory blocks and the three bus tables out of the image, makes one reader
// per block and table and the object manager, runs the folder reconstructors in a fixed order
// and writes the records they made into the caller's stream behind the version header. The
// same object writes the bus-table report of an image (TRecoAzCommunication.cpp).
//
//   TRecoAz reco(imageFile);
//   TMemoryStream records;
//   if (reco.RecoDeviceImage(&records, true, reconstructionFile))
//       device->VumaImport(&records, true);
//
// Every failure is shown at once in the detailed error box and ends the call with false; the
// values a folder had to replace by defaults are shown in one list after a good write.
#pragma once

#include "platform/recobase/TRecoDataManagament.h"
#include "platform/recobase/TRecoErrors.h"
#include "platform/recobase/TRecoObjectManagement.h"
#include "platform/recobase/TVumaDatenbank.h"
#include "platform/vcl/AnsiString.h"
#include "platform/vcl/Streams.h"

#include <cstdint>
#include <memory>

class TRecoAz {
public:
    // The header of the record stream.
    static constexpr const char *kHeader = "SX Version: 1. 1 Typ:VUMA/Alarmzentrale";

    explicit TRecoAz(const AnsiString &imageFile);
    // Not virtual: nothing derives from the driver, its owner deletes it as it is.
    ~TRecoAz();
    TRecoAz(const TRecoAz &) = delete;
    TRecoAz &operator=(const TRecoAz &) = delete;

    // The whole reconstruction into output (which is left untouched unless every folder
    // succeeded); with save set the stream's bytes also go to the file, whose folder is made
    // when missing. False for no stream (no box) and after the box of a failed step.
    bool RecoDeviceImage(TMemoryStream *output, bool save, const AnsiString &fileName);

    // One block reader each, from the image's section of the block.
    bool CreateDataManagementUserSoftware();
    bool CreateDataManagementMelderTexte();
    bool CreateDataManagementBcuSoftware();
    // The address, object and association table readers (out of the BcuSoftware reader) and
    // the object manager on them.
    bool CreateObjektManagement();

    // One folder reconstructor each; without a UserSoftware reader nothing is done (true).
    // The system record hands the configuration variant out, the folders after it take it.
    bool RecoAzSystemParam(uint32_t &variante);
    bool RecoAzOrdnerSicherungsBereich(uint32_t variante);
    bool RecoAzOrdnerScharfschaltung(uint32_t variante);
    bool RecoAzOrdnerAlarmierung(uint32_t variante);
    bool RecoAzOrdnerAnzeige(uint32_t variante);
    bool RecoAzEditierbareTexte();
    bool RecoAzOrdnerSystemUeberwachung();
    bool RecoAzDatumUhrzeit();

    // The bus-table report "ItRecoCommunicationData.txt" of the image: group addresses,
    // associations and bus objects. True when the file was written; a file that cannot be
    // written throws the stream's file exception.
    bool CreateCommunicationPart(const AnsiString &reportFile);

    // What the driver made, for tests and benchmarks.
    TVumaDatenbank *GetDatenbank() { return FDatenbank.get(); }
    const TRecoDataManagament *GetAdressTabelle() const { return FAdressTabelle.get(); }

private:
    // The reader of one block: its bytes first..last from the image's section into the stream.
    bool CreateDataManagement(const AnsiString &block, uint32_t first, uint32_t last,
                              TMemoryStream *stream, std::unique_ptr<TRecoDataManagament> &reader);
    // Runs one folder reconstructor made with the UserSoftware reader twice, the database, the
    // folder's name text, the error collector and the further arguments.
    template <class T, class... Args> bool RecoOrdner(int nameId, Args &&...args);
    // The detailed error box of a failed step.
    static void Fehlerbox(int textId, const char *datei, int zeile, const AnsiString &methode);
    // The file holds exactly the stream's bytes; its folder is made when missing.
    static bool Speichern(const TMemoryStream &stream, const AnsiString &fileName);

    std::unique_ptr<TVumaDatenbank> FDatenbank;
    std::unique_ptr<TRecoDataManagament> FUserSoftware;
    std::unique_ptr<TRecoDataManagament> FMelderTexte;
    std::unique_ptr<TRecoDataManagament> FBcuSoftware;
    std::unique_ptr<TRecoDataManagament> FAdressTabelle;
    std::unique_ptr<TRecoDataManagament> FObjektTabelle;
    std::unique_ptr<TRecoDataManagament> FAssoziationsTabelle;
    std::unique_ptr<TRecoObjectManagement> FObjekte;
    std::unique_ptr<TRecoErrors> FErrors;
    std::unique_ptr<TMemoryStream> FUserSoftwareBytes;
    std::unique_ptr<TMemoryStream> FMelderTexteBytes;
    std::unique_ptr<TMemoryStream> FBcuSoftwareBytes;
    std::unique_ptr<TMemoryStream> FAdressTabelleBytes;
    std::unique_ptr<TMemoryStream> FAssoziationsTabelleBytes;
    std::unique_ptr<TMemoryStream> FObjektTabelleBytes;
    AnsiString FImageFile;
    bool FReadOnly = false;
};
