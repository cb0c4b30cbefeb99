// What the table tests share: the application's tables, reading records into a table the way
// the workbook reader does, and a parameter object with styles map and plain data object.
#pragma once
#include "ExcelTestApp.h"
#include "grid/core/Data.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "grid/excel/ExcelColorTable.h"
#include "grid/excel/ExcelFontTable.h"
#include "grid/excel/ExcelStyleTable.h"
#include "grid/excel/ExcelXFTable.h"
#include <gtest/gtest.h>

CGXExcelFontTable& Fonts();
CGXExcelColorTable& Colors();
CGXExcelXFTable& XFs();
CGXExcelStyleTable& Styles();

// Reads the records of the bytes into the table, one after the other.
void ReadRecords(CGXExcelTable& table, const Bytes& bytes);

// A parameter object with a styles map (the library's standard styles unless bPlain: then
// only a Standard style of the given attributes) and a plain data object.
struct Sheet
{
    CGXGridParam param;
    CGXStylesMap* pStyles;
    CGXData* pData;
    explicit Sheet(const CGXStyle* pPlainStandard = NULL);
    CGXStyle& Standard();
};

// Empties the application's tables before and after each test.
struct TableTest : ::testing::Test
{
    void SetUp() override
    {
        GXExGetTableMap()->ResetAll();
        GXExGetTableMap()->SetContext(NULL);
    }
    void TearDown() override
    {
        GXExGetTableMap()->ResetAll();
        GXExGetTableMap()->SetContext(NULL);
    }
};
