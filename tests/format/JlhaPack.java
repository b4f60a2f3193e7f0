// Packs files into an LHA archive with level-0 headers and the -lh5- method, using the
// jlha library's encoder (kept as -lh5- even when the data does not shrink).
// Usage: java -cp jlha.jar JlhaPack.java ARCHIVE FILE...
import java.io.ByteArrayOutputStream;
import java.io.FileOutputStream;
import java.io.OutputStream;
import java.nio.file.Files;
import java.nio.file.Path;

import jp.gr.java_conf.dangan.util.lha.CRC16;
import jp.gr.java_conf.dangan.util.lha.CompressMethod;
import jp.gr.java_conf.dangan.util.lha.LhaHeader;
import jp.gr.java_conf.dangan.util.lha.LhaOutputStream;
import jp.gr.java_conf.dangan.util.lha.LhaProperty;

public class JlhaPack {
    public static void main(String[] args) throws Exception {
        try (LhaOutputStream out = new LhaOutputStream(new FileOutputStream(args[0]))) {
            for (int i = 1; i < args.length; i++) {
                byte[] data = Files.readAllBytes(Path.of(args[i]));
                ByteArrayOutputStream packed = new ByteArrayOutputStream();
                OutputStream encoder = CompressMethod.connectEncoder(
                    packed, CompressMethod.LH5, LhaProperty.getProperties());
                encoder.write(data);
                encoder.close();
                CRC16 crc = new CRC16();
                crc.update(data);
                LhaHeader header = new LhaHeader("m" + i);
                header.setHeaderLevel(0);
                header.setCompressMethod(CompressMethod.LH5);
                header.setOriginalSize(data.length);
                header.setCompressedSize(packed.size());
                header.setCRC((int) crc.getValue());
                out.putNextEntryAlreadyCompressed(header);
                packed.writeTo(out);
                out.closeEntry();
            }
        }
    }
}
