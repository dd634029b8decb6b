package org.example.qinghejian.sql;

import java.math.BigDecimal;
import org.apache.hadoop.hive.common.type.HiveDecimal;
import org.apache.hadoop.hive.ql.exec.Description;
import org.apache.hadoop.hive.ql.metadata.HiveException;
import org.apache.hadoop.hive.ql.udf.UDFType;
import org.apache.hadoop.hive.serde2.objectinspector.ObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.primitive.PrimitiveObjectInspectorFactory;
import org.apache.hadoop.hive.serde2.typeinfo.TypeInfoFactory;

/** from_capitals(capitals): the amount that capitals say, a DECIMAL(20,2), or null where they cannot be read. */
@Description(name = "from_capitals", value = "_FUNC_(capitals) - the amount that Chinese capital numerals say, as DECIMAL(20,2)")
@UDFType(deterministic = true)
public class HiveFromCapitals extends HiveFunction {
    private static final long serialVersionUID = 1L;

    public HiveFromCapitals() {
        this(false);
    }

    protected HiveFromCapitals(boolean strict) {
        super(strict);
    }

    @Override
    int[] arity() {
        return new int[] {1, 1};
    }

    @Override
    String name() {
        return "from_capitals";
    }

    @Override
    ObjectInspector result(ObjectInspector[] arguments) {
        // Sixteen integer digits and 分, with room to spare.
        return PrimitiveObjectInspectorFactory.getPrimitiveJavaObjectInspector(TypeInfoFactory.getDecimalTypeInfo(20, 2));
    }

    @Override
    public Object evaluate(DeferredObject[] arguments) throws HiveException {
        BigDecimal amount = SqlValues.fromCapitals(text(arguments, 0), strict);
        return amount == null ? null : HiveDecimal.create(amount);
    }
}
