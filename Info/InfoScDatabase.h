#pragma once
// InfoScDatabase: the database destination. The image goes into BlobCol of a new row of
// Table; ExtraColInfo packs the further columns of that row (names, type numbers and
// values) into one text.
#include "Info/SendParam.h"
#include "framework/CList.h"

class RegistryValues;

class INFO_API InfoScDatabase : public SendParam
{
public:
    InfoScDatabase();
    InfoScDatabase(const CString& connStr, const CString& table, const CString& blobCol, const CString& extraColInfo,
                   bool display, int duration, int frequence);
    InfoScDatabase(const InfoScDatabase& other);
    InfoScDatabase& operator=(const InfoScDatabase& other);
    bool operator==(const InfoScDatabase& other) const;
    ~InfoScDatabase() override;

    EnumSendParam GetType() const override { return SP_SC_DATABASE; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return Display; }

    // Replaces ExtraColInfo with the three lists; a list that is empty leaves out its section.
    void SetExtraColInfo(const CStringList& names, const CList<int>& numbers, const CStringList& values);
    // Appends the items of ExtraColInfo to the ends of the three lists.
    void ParseExtraColInfo(CStringList& names, CList<int>& numbers, CStringList& values) const;

    CString ConnStr;
    CString Table;
    CString BlobCol;
    CString ExtraColInfo;
    bool Display;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
