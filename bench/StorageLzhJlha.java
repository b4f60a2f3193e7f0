// Compresses each file with the jlha library's -lh5- encoder, three times, and prints
// "<file> <compressed bytes> <best seconds>": CPU time of this thread, so JVM start-up and
// JIT threads are not counted. Usage: java -cp jlha.jar StorageLzhJlha.java FILE...
import java.io.ByteArrayOutputStream;
import java.io.OutputStream;
import java.lang.management.ManagementFactory;
import java.lang.management.ThreadMXBean;
import java.nio.file.Files;
import java.nio.file.Path;

import jp.gr.java_conf.dangan.util.lha.CompressMethod;
import jp.gr.java_conf.dangan.util.lha.LhaProperty;

public class StorageLzhJlha {
    public static void main(String[] args) throws Exception {
        ThreadMXBean cpu = ManagementFactory.getThreadMXBean();
        for (String file : args) {
            byte[] data = Files.readAllBytes(Path.of(file));
            long best = Long.MAX_VALUE;
            int size = 0;
            for (int run = 0; run < 3; run++) {
                long start = cpu.getCurrentThreadCpuTime();
                ByteArrayOutputStream packed = new ByteArrayOutputStream();
                OutputStream encoder = CompressMethod.connectEncoder(
                    packed, CompressMethod.LH5, LhaProperty.getProperties());
                encoder.write(data);
                encoder.close();
                best = Math.min(best, cpu.getCurrentThreadCpuTime() - start);
                size = packed.size();
            }
            System.out.println(file + " " + size + " " + (best / 1e9));
        }
    }
}
