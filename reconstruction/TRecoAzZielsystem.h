// The read-out of one alarm panel over the bus into a device image file: it checks that a
// device answers at the address, identifies it as the panel by its manufacturer and
// device-type cells, reads the three memory blocks in chunks of at most 255 bytes, lays each
// into a memory class of its own assembler and writes it as one tagged S-record section of
// the image, and saves the image.
//
// Failures of the bus in the identification, the block reads and the final stop are shown in
// an error box and thrown as E_ErrorStr. Once the communication was started, every way out of
// the read-out stops it again.
#pragma once

#include "assembler/Assembler.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/vcl/AnsiString.h"
#include "platform/vcl/Streams.h"
#include "platform/win/Messages.h"

#include <cstdint>
#include <memory>

class TRecoAzZielsystem {
public:
    // The interface object and the owner (the main window, owner of the progress displays and
    // the boxes) are borrowed; the file name is the caller's and is rewritten when the image
    // is named after the device (addressFromDevice). The bool before the name is taken as the
    // callers pass it and not used.
    TRecoAzZielsystem(TEts2Cdi *cdi, unsigned short physicalAddress, HWND owner, bool,
                      AnsiString &fileName, bool addressFromDevice);
    virtual ~TRecoAzZielsystem();
    TRecoAzZielsystem(const TRecoAzZielsystem &) = delete;
    TRecoAzZielsystem &operator=(const TRecoAzZielsystem &) = delete;

    // Connection check, identification, then the blocks; the first false ends it. The
    // exceptions of the block reads pass to the caller.
    bool ReadoutDeviceImage();
    // Is a device at the address reachable (boxes, no exception).
    bool CheckBcuConection();
    // Identifies the panel and, when asked, takes its physical address; false on any failure.
    bool CheckTargetDevice();
    // Reads, converts and saves the three blocks and stops the communication; false when the
    // image could not be saved.
    bool ReadDeviceParam();

    void UserSoftwareRead();
    void TextTabelleRead();
    void BcuSoftwareRead();
    void UserSoftwareWrite();
    void TextTabelleWrite();
    void BcuSoftwareWrite();
    // Saves the image under the file name (named after the device when asked); false, after
    // a box, when its folder neither exists nor can be made.
    bool SaveDeviceDataToX19File();

    // Exchanges the two bytes of the word.
    static void SwapWord(unsigned short &word);

    unsigned short GetPhysAdr() const { return FPhysAdr; }

    // One block of the image file.
    struct TLeseBlock {
        const char *Name;     // section tag and memory class
        int nTyp;             // memory class type
        uint32_t First, Last; // panel addresses, inclusive
        int StepText;         // progress text id
        const char *Failure;  // name of a failed chunk read
        const char *Method;   // the reading method, for the error box
    };
    static const TLeseBlock kBlocks[3]; // UserSoftware, MelderTexte, BcuSoftware

    // Makes the block's class and block in the assembler and fills the block over the bus in
    // chunks of at most 255 bytes under a progress display; a chunk that cannot be read is a
    // failure (box, exception). Answers the block.
    TAsmBlock *BlockRead(const TLeseBlock &table, TAssembler &assembler);

private:
    // What one block of the image needs: its assembler, the class and block made in it, and
    // its S-record text.
    struct TBlockDaten {
        std::unique_ptr<TAssembler> Assembler;
        TAsmKlasse *Klasse = nullptr;
        TAsmBlock *Block = nullptr;
        std::unique_ptr<TMemoryStream> S19;
    };
    void BlockRead(const TLeseBlock &table, TBlockDaten &block);
    void BlockWrite(const TLeseBlock &table, TBlockDaten &block);
    void BlockConvert(TBlockDaten &block);
    // One bus read first..last, tried FVersuche times; false when every attempt failed.
    bool Lesen(unsigned char *buffer, unsigned short first, unsigned short last);
    // The error box of a failure, then the exception.
    [[noreturn]] void Fehler(const char *method, const char *failure, int line);
    void StopComm();

    TEts2Cdi *FCdi;
    HWND FOwner;
    unsigned short FPhysAdr;
    bool FNichtGelesen;
    bool FAdrVomGeraet;
    AnsiString &FFileName;
    int FVersuche = 3;
    TBlockDaten FUserSoftware;
    TBlockDaten FMelderTexte;
    TBlockDaten FBcuSoftware;
    std::unique_ptr<TMemoryStream> FImage;
    bool FGestartet = false; // the communication was started and not stopped since
};
