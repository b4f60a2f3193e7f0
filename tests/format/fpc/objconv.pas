{ Converts component streams with Free Pascal's own Classes unit, so that the
  tests can compare our binary and text forms with an independent reader and
  writer.  Usage: objconv b2t|t2b INPUT OUTPUT }
program objconv;

{$mode objfpc}{$H+}

uses
  Classes, SysUtils;

var
  Source, Target: TFileStream;
begin
  if ParamCount <> 3 then
    Halt(2);
  Source := TFileStream.Create(ParamStr(2), fmOpenRead);
  Target := TFileStream.Create(ParamStr(3), fmCreate);
  try
    if ParamStr(1) = 'b2t' then
      ObjectBinaryToText(Source, Target)
    else if ParamStr(1) = 't2b' then
      ObjectTextToBinary(Source, Target)
    else
      Halt(2);
  finally
    Source.Free;
    Target.Free;
  end;
end.
