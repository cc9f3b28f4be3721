#pragma once

struct SysConfigRecord;
class TDataModule1;

// Writes the environment options to the options row.
class OptionsStore
{
public:
    // Edits the first options row (starting one when the table is empty) with every member
    // but HTabs, which is left as stored. Throws StoreError; the table is closed either way.
    static void save(TDataModule1 &dm, const SysConfigRecord &options);
};
