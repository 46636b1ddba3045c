<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>FrmSearch/words</name>
    <message>
        <source>不可行</source>
        <translation>Infeasible</translation>
    </message>
    <message>
        <source>可行</source>
        <translation>Feasible</translation>
    </message>
    <message>
        <source>尚无结果</source>
        <translation>No results yet</translation>
    </message>
    <message>
        <source>帕累托前沿</source>
        <translation>Pareto front</translation>
    </message>
    <message>
        <source>成本价(元)</source>
        <translation>Cost price (CNY)</translation>
    </message>
    <message>
        <source>负载温升(℃)</source>
        <translation>Load rise (℃)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>工字</source>
        <translation>I-type</translation>
    </message>
    <message>
        <source>抽屉式</source>
        <translation>Drawer type</translation>
    </message>
    <message>
        <source>王字</source>
        <translation>E-type</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>帮助 - Peak Corvane专家系统</source>
        <translation>Help - Peak Corvane expert system</translation>
    </message>
    <message>
        <source>帮助窗口显示的章节</source>
        <translation>Chapter the help window shows</translation>
    </message>
</context>
<context>
    <name>FrmSearch</name>
    <message>
        <source>Peak Corvane专家系统 - 自动设计</source>
        <translation>Peak Corvane expert system - Automatic design</translation>
    </message>
    <message>
        <source>×舌宽a</source>
        <translation>× tongue a</translation>
    </message>
    <message>
        <source>候选方案数</source>
        <translation>Candidates</translation>
    </message>
    <message>
        <source>候选方案的编号：corvane-search --replay 按它重演</source>
        <translation>Candidate number: corvane-search --replay replays it</translation>
    </message>
    <message>
        <source>候选方案的编号：corvane-search --replay 按它重演；单击按此列排序，再单击反向</source>
        <translation>Candidate number: corvane-search --replay replays it; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>初级电流密度J，A/mm²（次级按比例）</source>
        <translation>Primary current density J, A/mm² (secondary in proportion)</translation>
    </message>
    <message>
        <source>初级电流密度J，A/mm²（次级按比例）；单击按此列排序，再单击反向</source>
        <translation>Primary current density J, A/mm² (secondary in proportion); click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>初级电流密度的范围，A/mm²；次级电流密度按下面的比例</source>
        <translation>Range of the primary current density, A/mm²; the secondary density follows the ratio below</translation>
    </message>
    <message>
        <source>叠厚</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>叠厚(mm)</source>
        <translation>Stack (mm)</translation>
    </message>
    <message>
        <source>叠厚b的范围：按舌宽a的倍数（取整到mm）或直接按mm</source>
        <translation>Range of the stack thickness b: in multiples of the tongue width a (rounded to mm) or in mm</translation>
    </message>
    <message>
        <source>叠厚b，mm</source>
        <translation>Stack thickness b, mm</translation>
    </message>
    <message>
        <source>叠厚b，mm；单击按此列排序，再单击反向</source>
        <translation>Stack thickness b, mm; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>可行方案按什么排名：成本价、负载总损耗或铁芯加铜的重量；相同时损耗低的在前，再相同时成本低的在前</source>
        <translation>What ranks the feasible designs: cost price, total load loss or core plus copper weight; ties go to the lower loss, then the lower cost</translation>
    </message>
    <message>
        <source>名次</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>填充率</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>如</source>
        <translation>e.g.</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>尚未搜索</source>
        <translation>Not searched yet</translation>
    </message>
    <message>
        <source>工作磁通密度Bm，T</source>
        <translation>Working flux density Bm, T</translation>
    </message>
    <message>
        <source>工作磁通密度Bm，T；单击按此列排序，再单击反向</source>
        <translation>Working flux density Bm, T; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>工作磁通密度的范围，T；最大值空着时取各材质的额定磁通密度</source>
        <translation>Range of the working flux density, T; an empty maximum takes each grade's rated flux density</translation>
    </message>
    <message>
        <source>工字</source>
        <translation>I-type</translation>
    </message>
    <message>
        <source>已完成的候选方案数、到此为止的最低成本价和估计的剩余时间</source>
        <translation>Candidates done, the lowest cost price so far and the estimated time left</translation>
    </message>
    <message>
        <source>开始搜索</source>
        <translation>Start search</translation>
    </message>
    <message>
        <source>总损耗(W)</source>
        <translation>Total loss (W)</translation>
    </message>
    <message>
        <source>成本价(元)</source>
        <translation>Cost price (CNY)</translation>
    </message>
    <message>
        <source>成本最低</source>
        <translation>Lowest cost</translation>
    </message>
    <message>
        <source>成本核算的成本价，元</source>
        <translation>Cost price of the cost sheet, CNY</translation>
    </message>
    <message>
        <source>成本核算的成本价，元；单击按此列排序，再单击反向</source>
        <translation>Cost price of the cost sheet, CNY; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>或用逗号分开的规格</source>
        <translation>or sizes separated by commas</translation>
    </message>
    <message>
        <source>抽屉式</source>
        <translation>Drawer type</translation>
    </message>
    <message>
        <source>按目标排列的名次</source>
        <translation>Rank by the objective</translation>
    </message>
    <message>
        <source>按目标排列的名次；单击按此列排序，再单击反向</source>
        <translation>Rank by the objective; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>损耗最低</source>
        <translation>Lowest loss</translation>
    </message>
    <message>
        <source>搜索范围</source>
        <translation>Search space</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>材质</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>标准EI铁芯片</source>
        <translation>Standard EI lamination</translation>
    </message>
    <message>
        <source>标准EI铁芯片；单击按此列排序，再单击反向</source>
        <translation>Standard EI lamination; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>次级/初级</source>
        <translation>Sec./pri.</translation>
    </message>
    <message>
        <source>次级电流密度与初级电流密度之比</source>
        <translation>Ratio of the secondary to the primary current density</translation>
    </message>
    <message>
        <source>步长</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>每个已计算的候选方案的成本价与负载温升：蓝色可行，红色不可行，绿线为可行方案的帕累托前沿，红圈为表中选中的方案</source>
        <translation>Cost price against load temperature rise of every candidate run: blue feasible, red infeasible, the line the Pareto front of the feasible designs, the circle the design selected in the table</translation>
    </message>
    <message>
        <source>王字</source>
        <translation>E-type</translation>
    </message>
    <message>
        <source>电流密度J(A/mm²)</source>
        <translation>Current density J (A/mm²)</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Objective</translation>
    </message>
    <message>
        <source>矽钢片材质</source>
        <translation>Steel grade</translation>
    </message>
    <message>
        <source>矽钢片材质；单击按此列排序，再单击反向</source>
        <translation>Steel grade; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>磁通密度Bm(T)</source>
        <translation>Flux density Bm (T)</translation>
    </message>
    <message>
        <source>空载温升(℃)</source>
        <translation>No-load rise (℃)</translation>
    </message>
    <message>
        <source>空载运行的开放式温升，K</source>
        <translation>Open-frame temperature rise at no load, K</translation>
    </message>
    <message>
        <source>空载运行的开放式温升，K；单击按此列排序，再单击反向</source>
        <translation>Open-frame temperature rise at no load, K; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>要试的标准EI铁芯</source>
        <translation>Standard EI laminations to try</translation>
    </message>
    <message>
        <source>要试的矽钢片材质，用逗号分开，如 50H800,H12；空着时取铁芯窗体所选的材质</source>
        <translation>Steel grades to try, separated by commas, e.g. 50H800,H12; empty takes the grade chosen on the core form</translation>
    </message>
    <message>
        <source>负载温升(℃)</source>
        <translation>Load rise (℃)</translation>
    </message>
    <message>
        <source>负载运行时装在适配器内的温升，K</source>
        <translation>Temperature rise on load enclosed in an adapter, K</translation>
    </message>
    <message>
        <source>负载运行时装在适配器内的温升，K；单击按此列排序，再单击反向</source>
        <translation>Temperature rise on load enclosed in an adapter, K; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>负载运行的开放式温升，K</source>
        <translation>Open-frame temperature rise on load, K</translation>
    </message>
    <message>
        <source>负载运行的开放式温升，K；单击按此列排序，再单击反向</source>
        <translation>Open-frame temperature rise on load, K; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>负载运行的总损耗（铁损加铜损），W</source>
        <translation>Total loss on load (iron plus copper loss), W</translation>
    </message>
    <message>
        <source>负载运行的总损耗（铁损加铜损），W；单击按此列排序，再单击反向</source>
        <translation>Total loss on load (iron plus copper loss), W; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>较满的骨架槽中各绕组厚度之和与槽厚之比</source>
        <translation>Sum of the winding build in the fuller bobbin slot over the slot depth</translation>
    </message>
    <message>
        <source>较满的骨架槽中各绕组厚度之和与槽厚之比；单击按此列排序，再单击反向</source>
        <translation>Sum of the winding build in the fuller bobbin slot over the slot depth; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>适配器温升(℃)</source>
        <translation>Enclosed rise (℃)</translation>
    </message>
    <message>
        <source>采用</source>
        <translation>Adopt</translation>
    </message>
    <message>
        <source>重量最低</source>
        <translation>Lowest weight</translation>
    </message>
    <message>
        <source>铁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>铁芯规格</source>
        <translation>Lamination</translation>
    </message>
    <message>
        <source>铁芯重(g)</source>
        <translation>Core weight (g)</translation>
    </message>
    <message>
        <source>铁芯重量，g</source>
        <translation>Core weight, g</translation>
    </message>
    <message>
        <source>铁芯重量，g；单击按此列排序，再单击反向</source>
        <translation>Core weight, g; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>铜线总重，kg</source>
        <translation>Total copper weight, kg</translation>
    </message>
    <message>
        <source>铜线总重，kg；单击按此列排序，再单击反向</source>
        <translation>Total copper weight, kg; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>铜重(kg)</source>
        <translation>Cu weight (kg)</translation>
    </message>
    <message>
        <source>骨架</source>
        <translation>Bobbin</translation>
    </message>
    <message>
        <source>骨架类型</source>
        <translation>Bobbin type</translation>
    </message>
    <message>
        <source>骨架类型；单击按此列排序，再单击反向</source>
        <translation>Bobbin type; click to sort by this column, click again to reverse</translation>
    </message>
    <message>
        <source>元</source>
        <translation>CNY</translation>
    </message>
    <message>
        <source>剩余约</source>
        <translation>time left approx.</translation>
    </message>
    <message>
        <source>可行方案</source>
        <translation>feasible</translation>
    </message>
    <message>
        <source>尚无可行方案</source>
        <translation>none feasible yet</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>搜索完成</source>
        <translation>Search complete</translation>
    </message>
    <message>
        <source>最低成本价</source>
        <translation>lowest cost price</translation>
    </message>
    <message>
        <source>正在估计剩余时间</source>
        <translation>estimating the time left</translation>
    </message>
    <message>
        <source>不是标准EI铁芯</source>
        <translation>is not a standard EI lamination</translation>
    </message>
    <message>
        <source>不是铁芯窗体的矽钢片材质</source>
        <translation>is not a steel grade of the core form</translation>
    </message>
    <message>
        <source>候选方案超过200000个，请缩小搜索范围</source>
        <translation>More than 200000 candidates; narrow the search space</translation>
    </message>
    <message>
        <source>叠厚取值太多</source>
        <translation>The stack range has too many values</translation>
    </message>
    <message>
        <source>叠厚的最大值没有数值</source>
        <translation>The stack maximum has no value</translation>
    </message>
    <message>
        <source>叠厚的最小值大于最大值</source>
        <translation>The stack minimum exceeds its maximum</translation>
    </message>
    <message>
        <source>叠厚的最小值必须大于</source>
        <translation>The stack minimum must be greater than</translation>
    </message>
    <message>
        <source>叠厚的最小值没有数值</source>
        <translation>The stack minimum has no value</translation>
    </message>
    <message>
        <source>叠厚的步长必须大于</source>
        <translation>The stack step must be greater than</translation>
    </message>
    <message>
        <source>叠厚的步长没有数值</source>
        <translation>The stack step has no value</translation>
    </message>
    <message>
        <source>叠厚范围不是数</source>
        <translation>The stack range is not a number</translation>
    </message>
    <message>
        <source>搜索范围中没有候选方案</source>
        <translation>The search space holds no candidate</translation>
    </message>
    <message>
        <source>次级/初级电流密度比必须大于</source>
        <translation>The secondary/primary current density ratio must be greater than</translation>
    </message>
    <message>
        <source>次级/初级电流密度比没有数值</source>
        <translation>The secondary/primary current density ratio has no value</translation>
    </message>
    <message>
        <source>次级电流密度比必须大于</source>
        <translation>The secondary current density ratio must be greater than</translation>
    </message>
    <message>
        <source>没有选择矽钢片材质</source>
        <translation>No steel grade chosen</translation>
    </message>
    <message>
        <source>没有选择铁芯规格</source>
        <translation>No lamination chosen</translation>
    </message>
    <message>
        <source>没有选择骨架类型</source>
        <translation>No bobbin type chosen</translation>
    </message>
    <message>
        <source>电流密度取值太多</source>
        <translation>The current density range has too many values</translation>
    </message>
    <message>
        <source>电流密度的最大值没有数值</source>
        <translation>The current density maximum has no value</translation>
    </message>
    <message>
        <source>电流密度的最小值大于最大值</source>
        <translation>The current density minimum exceeds its maximum</translation>
    </message>
    <message>
        <source>电流密度的最小值必须大于</source>
        <translation>The current density minimum must be greater than</translation>
    </message>
    <message>
        <source>电流密度的最小值没有数值</source>
        <translation>The current density minimum has no value</translation>
    </message>
    <message>
        <source>电流密度的步长必须大于</source>
        <translation>The current density step must be greater than</translation>
    </message>
    <message>
        <source>电流密度的步长没有数值</source>
        <translation>The current density step has no value</translation>
    </message>
    <message>
        <source>电流密度范围不是数</source>
        <translation>The current density range is not a number</translation>
    </message>
    <message>
        <source>磁通密度取值太多</source>
        <translation>The flux density range has too many values</translation>
    </message>
    <message>
        <source>磁通密度的最大值没有数值</source>
        <translation>The flux density maximum has no value</translation>
    </message>
    <message>
        <source>磁通密度的最小值大于最大值</source>
        <translation>The flux density minimum exceeds its maximum</translation>
    </message>
    <message>
        <source>磁通密度的最小值必须大于</source>
        <translation>The flux density minimum must be greater than</translation>
    </message>
    <message>
        <source>磁通密度的最小值没有数值</source>
        <translation>The flux density minimum has no value</translation>
    </message>
    <message>
        <source>磁通密度的步长必须大于</source>
        <translation>The flux density step must be greater than</translation>
    </message>
    <message>
        <source>磁通密度的步长没有数值</source>
        <translation>The flux density step has no value</translation>
    </message>
    <message>
        <source>磁通密度范围不是数</source>
        <translation>The flux density range is not a number</translation>
    </message>
</context>
<context>
    <name>FrmBomList</name>
    <message>
        <source>Peak Corvane专家系统 - BOM材料清单</source>
        <translation>Peak Corvane expert system - Bill of materials</translation>
    </message>
    <message>
        <source>人工费</source>
        <translation>Labour</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>元/PCS</source>
        <translation>CNY/pc</translation>
    </message>
    <message>
        <source>元/小时</source>
        <translation>CNY/h</translation>
    </message>
    <message>
        <source>共计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>共计成本</source>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>其它费用</source>
        <translation>Other costs</translation>
    </message>
    <message>
        <source>制作清单</source>
        <translation>Production list</translation>
    </message>
    <message>
        <source>包胶带</source>
        <translation>Taping</translation>
    </message>
    <message>
        <source>包装</source>
        <translation>Packing</translation>
    </message>
    <message>
        <source>半成品检测</source>
        <translation>In-process test</translation>
    </message>
    <message>
        <source>单价(元/M)</source>
        <translation>Price (CNY/m)</translation>
    </message>
    <message>
        <source>单价(元/PCS)</source>
        <translation>Price (CNY/pc)</translation>
    </message>
    <message>
        <source>单价(元/kg)</source>
        <translation>Price (CNY/kg)</translation>
    </message>
    <message>
        <source>单价(元/mm)</source>
        <translation>Price (CNY/mm)</translation>
    </message>
    <message>
        <source>厚度mm</source>
        <translation>Thick. mm</translation>
    </message>
    <message>
        <source>含浸/烘烤</source>
        <translation>Varnish/bake</translation>
    </message>
    <message>
        <source>含税销售价</source>
        <translation>Selling price incl. tax</translation>
    </message>
    <message>
        <source>外屏蔽</source>
        <translation>Outer</translation>
    </message>
    <message>
        <source>天/月</source>
        <translation>days/month</translation>
    </message>
    <message>
        <source>宽度mm</source>
        <translation>Width mm</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>小时/天</source>
        <translation>hours/day</translation>
    </message>
    <message>
        <source>屏蔽</source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>工时(秒)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>平介</source>
        <translation>Washer</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>引线</source>
        <translation>Lead wires</translation>
    </message>
    <message>
        <source>引线型号 </source>
        <translation>Lead type </translation>
    </message>
    <message>
        <source>弹介</source>
        <translation>Spring</translation>
    </message>
    <message>
        <source>快巴纸</source>
        <translation>Fish paper</translation>
    </message>
    <message>
        <source>快把纸规格</source>
        <translation>Fish paper size</translation>
    </message>
    <message>
        <source>总工时（S）</source>
        <translation>Total time (s)</translation>
    </message>
    <message>
        <source>总装配</source>
        <translation>Final assembly</translation>
    </message>
    <message>
        <source>总长度mm</source>
        <translation>Length mm</translation>
    </message>
    <message>
        <source>成 本(元)</source>
        <translation>Cost (CNY)</translation>
    </message>
    <message>
        <source>成品检测</source>
        <translation>Final test</translation>
    </message>
    <message>
        <source>成本</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>成本(元)</source>
        <translation>Cost (CNY)</translation>
    </message>
    <message>
        <source>成本价</source>
        <translation>Cost price</translation>
    </message>
    <message>
        <source>成本（元）</source>
        <translation>Cost (CNY)</translation>
    </message>
    <message>
        <source>接插件</source>
        <translation>Connectors</translation>
    </message>
    <message>
        <source>接插件   规格描述  用量  单价  成本 </source>
        <translation>Connectors   Description  Qty  Price  Cost </translation>
    </message>
    <message>
        <source>插件</source>
        <translation>Plug-in</translation>
    </message>
    <message>
        <source>支架</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>放宽率%</source>
        <translation>Margin %</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>月工资(元)</source>
        <translation>Wage CNY/mo</translation>
    </message>
    <message>
        <source>桥架</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>毛利率%</source>
        <translation>Gross margin %</translation>
    </message>
    <message>
        <source>漆包线</source>
        <translation>Enamelled wire</translation>
    </message>
    <message>
        <source>生产工时</source>
        <translation>Production time</translation>
    </message>
    <message>
        <source>生产工时费</source>
        <translation>Labour cost</translation>
    </message>
    <message>
        <source>用量(PCS)</source>
        <translation>Qty (pcs)</translation>
    </message>
    <message>
        <source>磁屏蔽</source>
        <translation>Magnetic</translation>
    </message>
    <message>
        <source>税前价</source>
        <translation>Price before tax</translation>
    </message>
    <message>
        <source>税率%</source>
        <translation>Tax rate %</translation>
    </message>
    <message>
        <source>端子</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>线型      规格    用量(g)  单价(元/kg)   成本（元）</source>
        <translation>Wire type      Size    Qty (g)  Price (CNY/kg)   Cost (CNY)</translation>
    </message>
    <message>
        <source>结构件</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>结构件   规格描述  用量  单价   成本</source>
        <translation>Hardware   Description  Qty  Price   Cost</translation>
    </message>
    <message>
        <source>绕线</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>绝缘套</source>
        <translation>Sleeve</translation>
    </message>
    <message>
        <source>绝缘漆</source>
        <translation>Varnish</translation>
    </message>
    <message>
        <source>绝缘漆  型号  用量g  单价(元/kg)  成本（元）</source>
        <translation>Varnish  Type  Qty g  Price (CNY/kg)  Cost (CNY)</translation>
    </message>
    <message>
        <source>绝缘胶带</source>
        <translation>Insulating tape</translation>
    </message>
    <message>
        <source>螺帽</source>
        <translation>Nut</translation>
    </message>
    <message>
        <source>螺杆</source>
        <translation>Screw</translation>
    </message>
    <message>
        <source>规  格</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>速度/分</source>
        <translation>Speed/min</translation>
    </message>
    <message>
        <source>配线</source>
        <translation>Wiring</translation>
    </message>
    <message>
        <source>重量g</source>
        <translation>Weight g</translation>
    </message>
    <message>
        <source>铁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>铁芯规格     铁芯片材   铁芯重量 (kg)  单价(元/kg)   成本（元）</source>
        <translation>Core     Lamination   Core weight (kg)  Price (CNY/kg)   Cost (CNY)</translation>
    </message>
    <message>
        <source>铜线成本</source>
        <translation>Copper cost</translation>
    </message>
    <message>
        <source>长度MM</source>
        <translation>Length mm</translation>
    </message>
    <message>
        <source>长度mm</source>
        <translation>Length mm</translation>
    </message>
    <message>
        <source>骨架</source>
        <translation>Bobbin</translation>
    </message>
    <message>
        <source>元</source>
        <translation>CNY</translation>
    </message>
    <message>
        <source>单价(元</source>
        <translation>Price (CNY</translation>
    </message>
    <message>
        <source>其它费用（元）</source>
        <translation>Other costs (CNY)</translation>
    </message>
    <message>
        <source>包胶带工时（秒），不计入总工时</source>
        <translation>Taping time (s), not counted in the total time</translation>
    </message>
    <message>
        <source>包胶带速度（层/分）</source>
        <translation>Taping speed (layers/min)</translation>
    </message>
    <message>
        <source>包装工时（秒）</source>
        <translation>Packing time (s)</translation>
    </message>
    <message>
        <source>半成品检测工时（秒）</source>
        <translation>In-process test time (s)</translation>
    </message>
    <message>
        <source>含浸/烘烤工时（秒）</source>
        <translation>Varnish/bake time (s)</translation>
    </message>
    <message>
        <source>含税销售价（元）</source>
        <translation>Selling price incl. tax (CNY)</translation>
    </message>
    <message>
        <source>外屏蔽单价（元/kg）</source>
        <translation>Outer shield unit price (CNY/kg)</translation>
    </message>
    <message>
        <source>外屏蔽厚度（mm）</source>
        <translation>Outer shield thickness (mm)</translation>
    </message>
    <message>
        <source>外屏蔽宽度（mm）</source>
        <translation>Outer shield width (mm)</translation>
    </message>
    <message>
        <source>外屏蔽成本（元）</source>
        <translation>Outer shield cost (CNY)</translation>
    </message>
    <message>
        <source>外屏蔽重量（g）</source>
        <translation>Outer shield weight (g)</translation>
    </message>
    <message>
        <source>外屏蔽长度（mm）</source>
        <translation>Outer shield length (mm)</translation>
    </message>
    <message>
        <source>工时放宽率（%）</source>
        <translation>Time allowance (%)</translation>
    </message>
    <message>
        <source>平介单价（元/PCS）</source>
        <translation>Flat washer unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>平介成本（元）</source>
        <translation>Flat washer cost (CNY)</translation>
    </message>
    <message>
        <source>平介用量（PCS）</source>
        <translation>Flat washers (pcs)</translation>
    </message>
    <message>
        <source>平介规格</source>
        <translation>Flat washer description</translation>
    </message>
    <message>
        <source>引线单价（元/m）</source>
        <translation>Lead wire unit price (CNY/m)</translation>
    </message>
    <message>
        <source>引线型号</source>
        <translation>Lead wire type</translation>
    </message>
    <message>
        <source>引线成本共计（元）</source>
        <translation>Lead wires, total cost (CNY)</translation>
    </message>
    <message>
        <source>引线规格（AWG）</source>
        <translation>Lead wire size (AWG)</translation>
    </message>
    <message>
        <source>弹介单价（元/PCS）</source>
        <translation>Spring washer unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>弹介成本（元）</source>
        <translation>Spring washer cost (CNY)</translation>
    </message>
    <message>
        <source>弹介用量（PCS）</source>
        <translation>Spring washers (pcs)</translation>
    </message>
    <message>
        <source>弹介规格</source>
        <translation>Spring washer description</translation>
    </message>
    <message>
        <source>快巴纸单价（元/PCS）</source>
        <translation>Fish paper unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>快巴纸成本（元）</source>
        <translation>Fish paper cost (CNY)</translation>
    </message>
    <message>
        <source>快巴纸用量（PCS）</source>
        <translation>Fish paper (pcs)</translation>
    </message>
    <message>
        <source>快巴纸规格：厚*宽*长（mm）</source>
        <translation>Fish paper size: thickness*width*length (mm)</translation>
    </message>
    <message>
        <source>总装配工时（秒）</source>
        <translation>Final assembly time (s)</translation>
    </message>
    <message>
        <source>成品检测工时（秒）</source>
        <translation>Final test time (s)</translation>
    </message>
    <message>
        <source>成本价（元）</source>
        <translation>Cost price (CNY)</translation>
    </message>
    <message>
        <source>插件单价（元/set）</source>
        <translation>Connector unit price (CNY/set)</translation>
    </message>
    <message>
        <source>插件成本（元）</source>
        <translation>Connector cost (CNY)</translation>
    </message>
    <message>
        <source>插件用量（set）</source>
        <translation>Connectors (sets)</translation>
    </message>
    <message>
        <source>插件规格</source>
        <translation>Connector description</translation>
    </message>
    <message>
        <source>插片速度（片/分）</source>
        <translation>Lamination stacking speed (pieces/min)</translation>
    </message>
    <message>
        <source>支架单价（元/PCS）</source>
        <translation>Stand unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>支架用量（PCS）</source>
        <translation>Stands (pcs)</translation>
    </message>
    <message>
        <source>支架规格</source>
        <translation>Stand description</translation>
    </message>
    <message>
        <source>月工资（元）</source>
        <translation>Monthly wage (CNY)</translation>
    </message>
    <message>
        <source>桥架单价（元/PCS）</source>
        <translation>Bridge bracket unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>桥架或支架的成本（元）</source>
        <translation>Bridge bracket or stand cost (CNY)</translation>
    </message>
    <message>
        <source>桥架用量（PCS）</source>
        <translation>Bridge brackets (pcs)</translation>
    </message>
    <message>
        <source>桥架规格</source>
        <translation>Bridge bracket description</translation>
    </message>
    <message>
        <source>每件的叠片数</source>
        <translation>Laminations per unit</translation>
    </message>
    <message>
        <source>每件的引线根数</source>
        <translation>Lead wires per unit</translation>
    </message>
    <message>
        <source>每件的总工时（秒）</source>
        <translation>Total time per unit (s)</translation>
    </message>
    <message>
        <source>每件的生产工时费（元）</source>
        <translation>Labour cost per unit (CNY)</translation>
    </message>
    <message>
        <source>每件的胶带层数</source>
        <translation>Tape layers per unit</translation>
    </message>
    <message>
        <source>每件绕制的总圈数（匝）</source>
        <translation>Turns wound per unit (turns)</translation>
    </message>
    <message>
        <source>每天工作小时数</source>
        <translation>Working hours per day</translation>
    </message>
    <message>
        <source>每小时工资（元/小时）</source>
        <translation>Hourly wage (CNY/h)</translation>
    </message>
    <message>
        <source>每月工作天数</source>
        <translation>Working days per month</translation>
    </message>
    <message>
        <source>每根引线的长度（mm），每个绕组两根</source>
        <translation>Length of each lead wire (mm), two per winding</translation>
    </message>
    <message>
        <source>毛利率（%）</source>
        <translation>Gross margin (%)</translation>
    </message>
    <message>
        <source>漆包线单价（元/kg）</source>
        <translation>Magnet wire unit price (CNY/kg)</translation>
    </message>
    <message>
        <source>漆包线用量（g）</source>
        <translation>Magnet wire used (g)</translation>
    </message>
    <message>
        <source>漆包线线型</source>
        <translation>Magnet wire type</translation>
    </message>
    <message>
        <source>漆包线线径（mm）</source>
        <translation>Magnet wire diameter (mm)</translation>
    </message>
    <message>
        <source>硅钢片材质描述</source>
        <translation>Lamination steel description</translation>
    </message>
    <message>
        <source>磁屏蔽单价（元/kg）</source>
        <translation>Magnetic shield unit price (CNY/kg)</translation>
    </message>
    <message>
        <source>磁屏蔽厚度（mm）</source>
        <translation>Magnetic shield thickness (mm)</translation>
    </message>
    <message>
        <source>磁屏蔽宽度（mm）</source>
        <translation>Magnetic shield width (mm)</translation>
    </message>
    <message>
        <source>磁屏蔽成本（元）</source>
        <translation>Magnetic shield cost (CNY)</translation>
    </message>
    <message>
        <source>磁屏蔽重量（g）</source>
        <translation>Magnetic shield weight (g)</translation>
    </message>
    <message>
        <source>磁屏蔽长度（mm）</source>
        <translation>Magnetic shield length (mm)</translation>
    </message>
    <message>
        <source>税前价（元）</source>
        <translation>Price before tax (CNY)</translation>
    </message>
    <message>
        <source>税率（%）</source>
        <translation>Tax rate (%)</translation>
    </message>
    <message>
        <source>端子单价（元/set）</source>
        <translation>Terminal unit price (CNY/set)</translation>
    </message>
    <message>
        <source>端子成本（元）</source>
        <translation>Terminal cost (CNY)</translation>
    </message>
    <message>
        <source>端子用量（set）</source>
        <translation>Terminals (sets)</translation>
    </message>
    <message>
        <source>端子规格</source>
        <translation>Terminal description</translation>
    </message>
    <message>
        <source>第二种快巴纸单价（元/PCS）</source>
        <translation>Second fish paper unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>第二种快巴纸成本（元）</source>
        <translation>Second fish paper cost (CNY)</translation>
    </message>
    <message>
        <source>第二种快巴纸用量（PCS）</source>
        <translation>Second fish paper (pcs)</translation>
    </message>
    <message>
        <source>第二种快巴纸规格：厚*宽*长（mm）</source>
        <translation>Second fish paper size: thickness*width*length (mm)</translation>
    </message>
    <message>
        <source>结构件成本共计（元）</source>
        <translation>Hardware, total cost (CNY)</translation>
    </message>
    <message>
        <source>绕线工时（秒）</source>
        <translation>Winding time (s)</translation>
    </message>
    <message>
        <source>绕线机转速（圈/分）</source>
        <translation>Winding machine speed (turns/min)</translation>
    </message>
    <message>
        <source>绝缘套单价（元/PCS）</source>
        <translation>Insulating sleeve unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>绝缘套成本（元）</source>
        <translation>Insulating sleeve cost (CNY)</translation>
    </message>
    <message>
        <source>绝缘套用量（PCS）</source>
        <translation>Insulating sleeves (pcs)</translation>
    </message>
    <message>
        <source>绝缘套规格</source>
        <translation>Insulating sleeve description</translation>
    </message>
    <message>
        <source>绝缘漆单价（元/kg）</source>
        <translation>Varnish unit price (CNY/kg)</translation>
    </message>
    <message>
        <source>绝缘漆型号</source>
        <translation>Varnish type</translation>
    </message>
    <message>
        <source>绝缘漆成本（元）</source>
        <translation>Varnish cost (CNY)</translation>
    </message>
    <message>
        <source>绝缘漆用量（g）</source>
        <translation>Varnish used (g)</translation>
    </message>
    <message>
        <source>胶带单价（元/mm）</source>
        <translation>Tape unit price (CNY/mm)</translation>
    </message>
    <message>
        <source>胶带宽度（mm）</source>
        <translation>Tape width (mm)</translation>
    </message>
    <message>
        <source>胶带总长度（mm）</source>
        <translation>Total tape length (mm)</translation>
    </message>
    <message>
        <source>胶带成本（元）</source>
        <translation>Tape cost (CNY)</translation>
    </message>
    <message>
        <source>螺帽单价（元/PCS）</source>
        <translation>Nut unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>螺帽成本（元）</source>
        <translation>Nut cost (CNY)</translation>
    </message>
    <message>
        <source>螺帽用量（PCS）</source>
        <translation>Nuts (pcs)</translation>
    </message>
    <message>
        <source>螺帽规格</source>
        <translation>Nut description</translation>
    </message>
    <message>
        <source>螺杆单价（元/PCS）</source>
        <translation>Screw unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>螺杆成本（元）</source>
        <translation>Screw cost (CNY)</translation>
    </message>
    <message>
        <source>螺杆用量（PCS）</source>
        <translation>Screws (pcs)</translation>
    </message>
    <message>
        <source>螺杆规格</source>
        <translation>Screw description</translation>
    </message>
    <message>
        <source>该绕组引线的成本（元）</source>
        <translation>Lead wire cost of this winding (CNY)</translation>
    </message>
    <message>
        <source>该绕组漆包线的成本（元）</source>
        <translation>Magnet wire cost of this winding (CNY)</translation>
    </message>
    <message>
        <source>配线工时（秒）</source>
        <translation>Wiring time (s)</translation>
    </message>
    <message>
        <source>配线速度（根/分）</source>
        <translation>Wiring speed (leads/min)</translation>
    </message>
    <message>
        <source>铁芯单价（元/kg）</source>
        <translation>Core unit price (CNY/kg)</translation>
    </message>
    <message>
        <source>铁芯名称：EI-长度L*叠厚b</source>
        <translation>Core name: EI-length L*stack b</translation>
    </message>
    <message>
        <source>铁芯成本（元）</source>
        <translation>Core cost (CNY)</translation>
    </message>
    <message>
        <source>铁芯重量（g）</source>
        <translation>Core weight (g)</translation>
    </message>
    <message>
        <source>铜线成本共计（元）</source>
        <translation>Copper wire, total cost (CNY)</translation>
    </message>
    <message>
        <source>骨架单价（元/PCS）</source>
        <translation>Bobbin unit price (CNY/pc)</translation>
    </message>
    <message>
        <source>骨架成本（元）</source>
        <translation>Bobbin cost (CNY)</translation>
    </message>
    <message>
        <source>骨架用量（PCS）</source>
        <translation>Bobbins (pcs)</translation>
    </message>
    <message>
        <source>骨架规格</source>
        <translation>Bobbin description</translation>
    </message>
</context>
<context>
    <name>FrmOperating</name>
    <message>
        <source>Peak Corvane专家系统 - 工况分析</source>
        <translation>Peak Corvane expert system - Operating analysis</translation>
    </message>
    <message>
        <source>不低于高压空载电压的最小标准电解电容耐压，V（电容输入电路）</source>
        <translation>Smallest standard electrolytic capacitor rating not below the high-line no-load voltage, V (capacitor-input circuits)</translation>
    </message>
    <message>
        <source>不低于高压空载电压的最小标准电解电容耐压，V（电容输入电路）。非电容输入电路，不需滤波电容</source>
        <translation>Smallest standard electrolytic capacitor rating not below the high-line no-load voltage, V (capacitor-input circuits). Not a capacitor-input circuit: no filter capacitor needed</translation>
    </message>
    <message>
        <source>低压</source>
        <translation>Low line</translation>
    </message>
    <message>
        <source>低压(V)</source>
        <translation>Low line (V)</translation>
    </message>
    <message>
        <source>低压电网下的空载直流输出电压，V</source>
        <translation>No-load DC output voltage at low line, V</translation>
    </message>
    <message>
        <source>低压电网下的空载直流输出电压，V。绕组N2的空载电压没有数值</source>
        <translation>No-load DC output voltage at low line, V. Winding N2 has no no-load voltage</translation>
    </message>
    <message>
        <source>六级能效（外部电源）</source>
        <translation>Level VI efficiency (external power supply)</translation>
    </message>
    <message>
        <source>各输出组空载直流电压</source>
        <translation>No-load DC voltage of each output group</translation>
    </message>
    <message>
        <source>和100%负载时效率的平均值</source>
        <translation>and 100% load</translation>
    </message>
    <message>
        <source>外部电源类别：基本电压、低压、交流输出或多路输出</source>
        <translation>External power supply class: basic-voltage, low-voltage, AC output or multiple output</translation>
    </message>
    <message>
        <source>平均效率(%)</source>
        <translation>Average efficiency (%)</translation>
    </message>
    <message>
        <source>平均效率和空载功耗是否满足六级能效要求</source>
        <translation>Whether average efficiency and no-load power meet Level VI</translation>
    </message>
    <message>
        <source>平均效率和空载功耗是否满足六级能效要求。绕组N2的铜损没有数值</source>
        <translation>Whether average efficiency and no-load power meet Level VI. Winding N2 has no copper loss</translation>
    </message>
    <message>
        <source>开放式温升(℃)</source>
        <translation>Open-frame rise (℃)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>损耗(W)</source>
        <translation>Loss (W)</translation>
    </message>
    <message>
        <source>效率(%)</source>
        <translation>Efficiency (%)</translation>
    </message>
    <message>
        <source>整流电路</source>
        <translation>Rectifier</translation>
    </message>
    <message>
        <source>注：六级能效只适用于装在插墙式电源适配器内出售的变压器；平均效率含整流二极管损耗。</source>
        <translation>Note: Level VI applies only to transformers sold in a wall-plug power adapter; the average efficiency includes the rectifier diode losses.</translation>
    </message>
    <message>
        <source>满载时的开放式温升，K（铁损随电网电压变化）</source>
        <translation>Open-frame temperature rise at full load, K (iron loss follows the line voltage)</translation>
    </message>
    <message>
        <source>满载时的开放式温升，K（铁损随电网电压变化）。绕组N2的铜损没有数值</source>
        <translation>Open-frame temperature rise at full load, K (iron loss follows the line voltage). Winding N2 has no copper loss</translation>
    </message>
    <message>
        <source>满载温升判定</source>
        <translation>Full-load rise verdict</translation>
    </message>
    <message>
        <source>满载温升相对允许温升的判定：安全、过热或严重警告</source>
        <translation>Full-load rise against the allowed rise: safe, overheating or severe warning</translation>
    </message>
    <message>
        <source>满载温升相对允许温升的判定：安全、过热或严重警告。绕组N2的铜损没有数值</source>
        <translation>Full-load rise against the allowed rise: safe, overheating or severe warning. Winding N2 has no copper loss</translation>
    </message>
    <message>
        <source>电容耐压(V)</source>
        <translation>Capacitor rating (V)</translation>
    </message>
    <message>
        <source>电网波动±%</source>
        <translation>Line variation ±%</translation>
    </message>
    <message>
        <source>电网电压(V)</source>
        <translation>Line voltage (V)</translation>
    </message>
    <message>
        <source>电网电压工况</source>
        <translation>Line voltage conditions</translation>
    </message>
    <message>
        <source>电网电压相对额定值的波动，%：低压列为额定×(1−波动)，高压列为额定×(1+波动)</source>
        <translation>Line voltage variation from rated, %: the low-line column is rated×(1−variation), the high-line column rated×(1+variation)</translation>
    </message>
    <message>
        <source>磁通密度Bm(T)</source>
        <translation>Flux density Bm (T)</translation>
    </message>
    <message>
        <source>空载时的输入功率，W：铁损加空载电流在初级冷阻上的损耗</source>
        <translation>Input power at no load, W: iron loss plus the no-load current's loss in the primary's cold resistance</translation>
    </message>
    <message>
        <source>空载时的输入功率，W：铁损加空载电流在初级冷阻上的损耗。结构仿真的空载电流I0没有数值</source>
        <translation>Input power at no load, W: iron loss plus the no-load current's loss in the primary's cold resistance. The structure simulation has no no-load current I0</translation>
    </message>
    <message>
        <source>空载电流</source>
        <translation>No-load current</translation>
    </message>
    <message>
        <source>空载电流，A：额定列取结构仿真的I0，其余按矽钢片磁化曲线计算</source>
        <translation>No-load current, A: the rated column takes I0 of the structure simulation, the others follow the steel's magnetising curve</translation>
    </message>
    <message>
        <source>空载电流，A：额定列取结构仿真的I0，其余按矽钢片磁化曲线计算。结构仿真的空载电流I0没有数值</source>
        <translation>No-load current, A: the rated column takes I0 of the structure simulation, the others follow the steel's magnetising curve. The structure simulation has no no-load current I0</translation>
    </message>
    <message>
        <source>空载电流，A：额定列取结构仿真的I0，其余按矽钢片磁化曲线计算。绕组N1的圈数没有数值</source>
        <translation>No-load current, A: the rated column takes I0 of the structure simulation, the others follow the steel's magnetising curve. Winding N1 has no turns</translation>
    </message>
    <message>
        <source>空载磁通密度，T，随电网电压成正比；底色同结构仿真的空载Bo</source>
        <translation>No-load flux density, T, proportional to the line voltage; coloured as the structure simulation's no-load Bo</translation>
    </message>
    <message>
        <source>空载输入功率(W)</source>
        <translation>No-load input power (W)</translation>
    </message>
    <message>
        <source>组别</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>绕组N2的铜损没有数值</source>
        <translation>Winding N2 has no copper loss</translation>
    </message>
    <message>
        <source>能效判定</source>
        <translation>Efficiency verdict</translation>
    </message>
    <message>
        <source>装在适配器外壳内的温升，K（开放式×1.414）</source>
        <translation>Temperature rise inside an adapter case, K (open-frame × 1.414)</translation>
    </message>
    <message>
        <source>装在适配器外壳内的温升，K（开放式×1.414）。绕组N2的铜损没有数值</source>
        <translation>Temperature rise inside an adapter case, K (open-frame × 1.414). Winding N2 has no copper loss</translation>
    </message>
    <message>
        <source>要求不低于(%)</source>
        <translation>Required min. (%)</translation>
    </message>
    <message>
        <source>要求不高于(W)</source>
        <translation>Required max. (W)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>该电网电压下的初级输入电压，V</source>
        <translation>Primary input voltage at this line voltage, V</translation>
    </message>
    <message>
        <source>该类别和铭牌功率下六级能效允许的最大空载功耗，W</source>
        <translation>Maximum no-load power Level VI allows for this class and rated power, W</translation>
    </message>
    <message>
        <source>该类别和铭牌功率下六级能效要求的最低平均效率，%</source>
        <translation>Minimum average efficiency Level VI requires for this class and rated power, %</translation>
    </message>
    <message>
        <source>该组的整流电路</source>
        <translation>Rectifier of this group</translation>
    </message>
    <message>
        <source>该负载率下的输出功率，W（铭牌功率×负载率）</source>
        <translation>Output power at this load, W (rated power × load)</translation>
    </message>
    <message>
        <source>输出功率(W)</source>
        <translation>Output power (W)</translation>
    </message>
    <message>
        <source>输出功率占输入功率的百分数，%</source>
        <translation>Output power as a percentage of input power, %</translation>
    </message>
    <message>
        <source>输出功率占输入功率的百分数，%。绕组N2的铜损没有数值</source>
        <translation>Output power as a percentage of input power, %. Winding N2 has no copper loss</translation>
    </message>
    <message>
        <source>输出组别</source>
        <translation>Output group</translation>
    </message>
    <message>
        <source>适配器温升(℃)</source>
        <translation>Adapter rise (℃)</translation>
    </message>
    <message>
        <source>适配器类别</source>
        <translation>Adapter class</translation>
    </message>
    <message>
        <source>部分负载效率</source>
        <translation>Part-load efficiency</translation>
    </message>
    <message>
        <source>铁损(W)</source>
        <translation>Iron loss (W)</translation>
    </message>
    <message>
        <source>铁损、铜损（随负载率平方）与整流二极管损耗之和，W</source>
        <translation>Sum of iron loss, copper loss (with the square of the load) and rectifier diode loss, W</translation>
    </message>
    <message>
        <source>铁损、铜损（随负载率平方）与整流二极管损耗之和，W。绕组N2的铜损没有数值</source>
        <translation>Sum of iron loss, copper loss (with the square of the load) and rectifier diode loss, W. Winding N2 has no copper loss</translation>
    </message>
    <message>
        <source>铁损，W，随磁通密度的平方变化</source>
        <translation>Iron loss, W, with the square of the flux density</translation>
    </message>
    <message>
        <source>额定</source>
        <translation>Rated</translation>
    </message>
    <message>
        <source>额定(V)</source>
        <translation>Rated (V)</translation>
    </message>
    <message>
        <source>额定电网下的空载直流输出电压，V</source>
        <translation>No-load DC output voltage at rated line, V</translation>
    </message>
    <message>
        <source>额定电网下的空载直流输出电压，V。绕组N2的空载电压没有数值</source>
        <translation>No-load DC output voltage at rated line, V. Winding N2 has no no-load voltage</translation>
    </message>
    <message>
        <source>高压</source>
        <translation>High line</translation>
    </message>
    <message>
        <source>高压(V)</source>
        <translation>High line (V)</translation>
    </message>
    <message>
        <source>高压电网下的空载直流输出电压，V：滤波电容和稳压器须承受的电压</source>
        <translation>No-load DC output voltage at high line, V: what the filter capacitor and the regulator must withstand</translation>
    </message>
    <message>
        <source>高压电网下的空载直流输出电压，V：滤波电容和稳压器须承受的电压。绕组N2的空载电压没有数值</source>
        <translation>No-load DC output voltage at high line, V: what the filter capacitor and the regulator must withstand. Winding N2 has no no-load voltage</translation>
    </message>
    <message>
        <source>开放式</source>
        <translation>open-frame</translation>
    </message>
    <message>
        <source>装在适配器外壳内的温升</source>
        <translation>rise enclosed in an adapter case</translation>
    </message>
    <message>
        <source>电气规格的输入电压没有数值</source>
        <translation>The input voltage of the electrical specification has no value</translation>
    </message>
    <message>
        <source>电气规格窗体未打开</source>
        <translation>The electrical specification form is not open</translation>
    </message>
    <message>
        <source>电网波动没有数值</source>
        <translation>The mains tolerance has no value</translation>
    </message>
    <message>
        <source>结构仿真的空载电流I0没有数值</source>
        <translation>The no-load current I0 of the structure simulation has no value</translation>
    </message>
    <message>
        <source>结构仿真窗体未打开，尚无绕组数据</source>
        <translation>The structure simulation form is not open, there are no winding data yet</translation>
    </message>
    <message>
        <source>绕组N10的冷阻没有数值</source>
        <translation>Winding N10 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N10的圈数没有数值</source>
        <translation>Winding N10 has no turns value</translation>
    </message>
    <message>
        <source>绕组N10的空载电压没有数值</source>
        <translation>Winding N10 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N10的铜损没有数值</source>
        <translation>Winding N10 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N11的冷阻没有数值</source>
        <translation>Winding N11 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N11的圈数没有数值</source>
        <translation>Winding N11 has no turns value</translation>
    </message>
    <message>
        <source>绕组N11的空载电压没有数值</source>
        <translation>Winding N11 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N11的铜损没有数值</source>
        <translation>Winding N11 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N1的冷阻没有数值</source>
        <translation>Winding N1 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N1的圈数没有数值</source>
        <translation>Winding N1 has no turns value</translation>
    </message>
    <message>
        <source>绕组N1的空载电压没有数值</source>
        <translation>Winding N1 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N1的铜损没有数值</source>
        <translation>Winding N1 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N2的冷阻没有数值</source>
        <translation>Winding N2 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N2的圈数没有数值</source>
        <translation>Winding N2 has no turns value</translation>
    </message>
    <message>
        <source>绕组N2的空载电压没有数值</source>
        <translation>Winding N2 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N3的冷阻没有数值</source>
        <translation>Winding N3 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N3的圈数没有数值</source>
        <translation>Winding N3 has no turns value</translation>
    </message>
    <message>
        <source>绕组N3的空载电压没有数值</source>
        <translation>Winding N3 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N3的铜损没有数值</source>
        <translation>Winding N3 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N4的冷阻没有数值</source>
        <translation>Winding N4 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N4的圈数没有数值</source>
        <translation>Winding N4 has no turns value</translation>
    </message>
    <message>
        <source>绕组N4的空载电压没有数值</source>
        <translation>Winding N4 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N4的铜损没有数值</source>
        <translation>Winding N4 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N5的冷阻没有数值</source>
        <translation>Winding N5 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N5的圈数没有数值</source>
        <translation>Winding N5 has no turns value</translation>
    </message>
    <message>
        <source>绕组N5的空载电压没有数值</source>
        <translation>Winding N5 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N5的铜损没有数值</source>
        <translation>Winding N5 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N6的冷阻没有数值</source>
        <translation>Winding N6 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N6的圈数没有数值</source>
        <translation>Winding N6 has no turns value</translation>
    </message>
    <message>
        <source>绕组N6的空载电压没有数值</source>
        <translation>Winding N6 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N6的铜损没有数值</source>
        <translation>Winding N6 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N7的冷阻没有数值</source>
        <translation>Winding N7 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N7的圈数没有数值</source>
        <translation>Winding N7 has no turns value</translation>
    </message>
    <message>
        <source>绕组N7的空载电压没有数值</source>
        <translation>Winding N7 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N7的铜损没有数值</source>
        <translation>Winding N7 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N8的冷阻没有数值</source>
        <translation>Winding N8 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N8的圈数没有数值</source>
        <translation>Winding N8 has no turns value</translation>
    </message>
    <message>
        <source>绕组N8的空载电压没有数值</source>
        <translation>Winding N8 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N8的铜损没有数值</source>
        <translation>Winding N8 has no copper loss value</translation>
    </message>
    <message>
        <source>绕组N9的冷阻没有数值</source>
        <translation>Winding N9 has no cold resistance value</translation>
    </message>
    <message>
        <source>绕组N9的圈数没有数值</source>
        <translation>Winding N9 has no turns value</translation>
    </message>
    <message>
        <source>绕组N9的空载电压没有数值</source>
        <translation>Winding N9 has no no-load voltage value</translation>
    </message>
    <message>
        <source>绕组N9的铜损没有数值</source>
        <translation>Winding N9 has no copper loss value</translation>
    </message>
    <message>
        <source>该组没有绕组行：请回到电气规格重新进入结构仿真</source>
        <translation>This group has no winding row: go back to the electrical specification and open the structure simulation again</translation>
    </message>
    <message>
        <source>铁芯的工作磁密Bm没有数值</source>
        <translation>The working flux density Bm of the core has no value</translation>
    </message>
    <message>
        <source>铁芯的平均磁路长度Le没有数值</source>
        <translation>The mean magnetic path length Le of the core has no value</translation>
    </message>
    <message>
        <source>铁芯的铁损Pc没有数值</source>
        <translation>The iron loss Pc of the core has no value</translation>
    </message>
    <message>
        <source>铁芯窗体未打开</source>
        <translation>The core form is not open</translation>
    </message>
</context>
<context>
    <name>FrmWireTools</name>
    <message>
        <source>Litz线</source>
        <translation>Litz wire</translation>
    </message>
    <message>
        <source>交流电阻R(Ω)</source>
        <translation>AC resistance R (Ω)</translation>
    </message>
    <message>
        <source>允许电流A</source>
        <translation>Allowed current A</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>单股线径mm</source>
        <translation>Strand dia. mm</translation>
    </message>
    <message>
        <source>厚度(mm)</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>宽度(mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>导体电阻Ω.M</source>
        <translation>Conductor res. Ω/m</translation>
    </message>
    <message>
        <source>导线换算程序</source>
        <translation>Wire conversion tools</translation>
    </message>
    <message>
        <source>截面积</source>
        <translation>Cross-section</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>最大线径及厚度</source>
        <translation>Max. dia./thick.</translation>
    </message>
    <message>
        <source>漆包线</source>
        <translation>Enamelled wire</translation>
    </message>
    <message>
        <source>现在是：</source>
        <translation>Now:</translation>
    </message>
    <message>
        <source>电流密度</source>
        <translation>Current density</translation>
    </message>
    <message>
        <source>电阻R(Ω)</source>
        <translation>Resistance R (Ω)</translation>
    </message>
    <message>
        <source>线径mm ф</source>
        <translation>Dia. mm ф</translation>
    </message>
    <message>
        <source>线材</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>股数 P</source>
        <translation>Strands P</translation>
    </message>
    <message>
        <source>趋表效应</source>
        <translation>Skin effect</translation>
    </message>
    <message>
        <source>趋表深度mm</source>
        <translation>Skin depth mm</translation>
    </message>
    <message>
        <source>重量We(g)</source>
        <translation>Weight We (g)</translation>
    </message>
    <message>
        <source>铜包铝线</source>
        <translation>Copper-clad aluminium</translation>
    </message>
    <message>
        <source>铜线</source>
        <translation>Copper wire</translation>
    </message>
    <message>
        <source>铝线</source>
        <translation>Aluminium wire</translation>
    </message>
    <message>
        <source>长度L(M)</source>
        <translation>Length L (m)</translation>
    </message>
    <message>
        <source>频率KHz</source>
        <translation>Frequency kHz</translation>
    </message>
    <message>
        <source>现在是</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Litz线单股线径（mm）</source>
        <translation>Litz wire strand diameter (mm)</translation>
    </message>
    <message>
        <source>Litz线导体总截面积（mm²）</source>
        <translation>Litz wire total conductor area (mm²)</translation>
    </message>
    <message>
        <source>Litz线直流电阻（Ω）</source>
        <translation>Litz wire DC resistance (Ω)</translation>
    </message>
    <message>
        <source>Litz线股数</source>
        <translation>Litz wire strands</translation>
    </message>
    <message>
        <source>Litz线重量（g）</source>
        <translation>Litz wire weight (g)</translation>
    </message>
    <message>
        <source>Litz线长度（m）</source>
        <translation>Litz wire length (m)</translation>
    </message>
    <message>
        <source>交流电阻与直流电阻之比 Rac/Rdc</source>
        <translation>AC to DC resistance ratio Rac/Rdc</translation>
    </message>
    <message>
        <source>交流电阻（Ω）</source>
        <translation>AC resistance (Ω)</translation>
    </message>
    <message>
        <source>导体截面积（mm²）</source>
        <translation>Conductor area (mm²)</translation>
    </message>
    <message>
        <source>导体材料</source>
        <translation>Conductor material</translation>
    </message>
    <message>
        <source>导线直流电阻（Ω）</source>
        <translation>Wire DC resistance (Ω)</translation>
    </message>
    <message>
        <source>导线重量（g）</source>
        <translation>Wire weight (g)</translation>
    </message>
    <message>
        <source>导线长度（m）</source>
        <translation>Wire length (m)</translation>
    </message>
    <message>
        <source>每米导体电阻（Ω/m）</source>
        <translation>Conductor resistance per metre (Ω/m)</translation>
    </message>
    <message>
        <source>漆包线裸铜线径（mm）</source>
        <translation>Magnet wire bare copper diameter (mm)</translation>
    </message>
    <message>
        <source>电流密度（A/mm²）</source>
        <translation>Current density (A/mm²)</translation>
    </message>
    <message>
        <source>美国线规号（AWG）</source>
        <translation>American Wire Gauge (AWG)</translation>
    </message>
    <message>
        <source>该电流密度下的允许电流（A）</source>
        <translation>Allowed current at this current density (A)</translation>
    </message>
    <message>
        <source>该频率下的趋表深度（mm）</source>
        <translation>Skin depth at this frequency (mm)</translation>
    </message>
    <message>
        <source>趋表效应不显著的最大线径及箔厚（mm）</source>
        <translation>Largest wire diameter and foil thickness without marked skin effect (mm)</translation>
    </message>
    <message>
        <source>铜箔厚度（mm）</source>
        <translation>Copper foil thickness (mm)</translation>
    </message>
    <message>
        <source>铜箔宽度（mm）</source>
        <translation>Copper foil width (mm)</translation>
    </message>
    <message>
        <source>铜箔截面积（mm²）</source>
        <translation>Copper foil area (mm²)</translation>
    </message>
    <message>
        <source>铜箔直流电阻（Ω）</source>
        <translation>Copper foil DC resistance (Ω)</translation>
    </message>
    <message>
        <source>铜箔重量（g）</source>
        <translation>Copper foil weight (g)</translation>
    </message>
    <message>
        <source>铜箔长度（m）</source>
        <translation>Copper foil length (m)</translation>
    </message>
    <message>
        <source>频率（kHz）</source>
        <translation>Frequency (kHz)</translation>
    </message>
</context>
<context>
    <name>Frmbobbin</name>
    <message>
        <source>BOBBIN 查找</source>
        <translation>Bobbin search</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 骨架设置与选型</source>
        <translation>Peak Corvane expert system - Bobbin setup and selection</translation>
    </message>
    <message>
        <source>供应商</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>其他骨架目录…</source>
        <translation>Other bobbin catalogue…</translation>
    </message>
    <message>
        <source>匝数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>变压器参数</source>
        <translation>Transformer parameters</translation>
    </message>
    <message>
        <source>叠厚</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>工字</source>
        <translation>I-type</translation>
    </message>
    <message>
        <source>已知匝数</source>
        <translation>Known turns</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>底周长</source>
        <translation>Base perimeter</translation>
    </message>
    <message>
        <source>底边</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>底边长</source>
        <translation>Base length</translation>
    </message>
    <message>
        <source>快把纸规格</source>
        <translation>Fish paper size</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>抽屉式</source>
        <translation>Drawer</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>最佳适应电流密度</source>
        <translation>Best-fit current density</translation>
    </message>
    <message>
        <source>未知匝数</source>
        <translation>Unknown turns</translation>
    </message>
    <message>
        <source>标准骨架</source>
        <translation>Standard bobbin</translation>
    </message>
    <message>
        <source>槽厚</source>
        <translation>Slot depth</translation>
    </message>
    <message>
        <source>槽宽</source>
        <translation>Slot width</translation>
    </message>
    <message>
        <source>槽满率</source>
        <translation>Window fill</translation>
    </message>
    <message>
        <source>槽满率%</source>
        <translation>Window fill %</translation>
    </message>
    <message>
        <source>测试电压</source>
        <translation>Test voltage</translation>
    </message>
    <message>
        <source>王字</source>
        <translation>E-type</translation>
    </message>
    <message>
        <source>电压</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>电流</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>电流密度</source>
        <translation>Current density</translation>
    </message>
    <message>
        <source>磁通密度</source>
        <translation>Flux density</translation>
    </message>
    <message>
        <source>窗口总面积</source>
        <translation>Total window area</translation>
    </message>
    <message>
        <source>系统推荐最佳骨架商</source>
        <translation>Recommended bobbin supplier</translation>
    </message>
    <message>
        <source>线径</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>胶带宽度</source>
        <translation>Tape width</translation>
    </message>
    <message>
        <source>规格EI</source>
        <translation>Size EI</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>输入电压</source>
        <translation>Input voltage</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>铁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>骨架功率</source>
        <translation>Bobbin power</translation>
    </message>
    <message>
        <source>骨架商</source>
        <translation>Bobbin supplier</translation>
    </message>
    <message>
        <source>骨架查找</source>
        <translation>Bobbin search</translation>
    </message>
    <message>
        <source>骨架目录</source>
        <translation>Bobbin catalogue</translation>
    </message>
    <message>
        <source>骨架类型</source>
        <translation>Bobbin type</translation>
    </message>
    <message>
        <source>骨架选型</source>
        <translation>Bobbin selection</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>高级应用</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>匝数（匝）</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>底周长：骨架底面的周长（mm）</source>
        <translation>Base perimeter: perimeter of the bobbin's base (mm)</translation>
    </message>
    <message>
        <source>底边：骨架底面的一边（mm）</source>
        <translation>Base side: one side of the bobbin's base (mm)</translation>
    </message>
    <message>
        <source>底边：骨架底面的另一边（mm）</source>
        <translation>Base side: the other side of the bobbin's base (mm)</translation>
    </message>
    <message>
        <source>快巴纸规格：厚*宽*长（mm）</source>
        <translation>Fish paper size: thickness*width*length (mm)</translation>
    </message>
    <message>
        <source>所选的骨架类型</source>
        <translation>Bobbin type chosen</translation>
    </message>
    <message>
        <source>最佳适应电流密度（A/mm²）</source>
        <translation>Best-fit current density (A/mm²)</translation>
    </message>
    <message>
        <source>槽厚：槽可绕线的深度（mm）</source>
        <translation>Slot depth: depth the slot can take windings (mm)</translation>
    </message>
    <message>
        <source>槽宽：第一槽可绕线的宽度（mm）</source>
        <translation>Slot width: winding width of the first slot (mm)</translation>
    </message>
    <message>
        <source>槽宽：第二槽可绕线的宽度（mm）</source>
        <translation>Slot width: winding width of the second slot (mm)</translation>
    </message>
    <message>
        <source>槽满率（%）</source>
        <translation>Window fill (%)</translation>
    </message>
    <message>
        <source>测试绕组上测得的电压（V）</source>
        <translation>Voltage measured on the test winding (V)</translation>
    </message>
    <message>
        <source>测试绕组的匝数（匝）</source>
        <translation>Turns of the test winding</translation>
    </message>
    <message>
        <source>由测试电压推算的匝数（匝）</source>
        <translation>Turns worked out from the test voltage</translation>
    </message>
    <message>
        <source>电压（V）</source>
        <translation>Voltage (V)</translation>
    </message>
    <message>
        <source>电流密度（A/mm²）</source>
        <translation>Current density (A/mm²)</translation>
    </message>
    <message>
        <source>电流（A）</source>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>磁通密度（T）</source>
        <translation>Flux density (T)</translation>
    </message>
    <message>
        <source>窗口总面积：骨架可绕线的面积（mm²）</source>
        <translation>Total window area: area of the bobbin that takes windings (mm²)</translation>
    </message>
    <message>
        <source>第二种快巴纸规格：厚*宽*长（mm）</source>
        <translation>Second fish paper size: thickness*width*length (mm)</translation>
    </message>
    <message>
        <source>线径：裸铜线直径（mm）</source>
        <translation>Wire diameter: bare copper diameter (mm)</translation>
    </message>
    <message>
        <source>胶带宽度（mm）</source>
        <translation>Tape width (mm)</translation>
    </message>
    <message>
        <source>要查找的叠厚 b（mm）</source>
        <translation>Stack b to look up (mm)</translation>
    </message>
    <message>
        <source>要查找的叠片长度 L（mm）</source>
        <translation>Lamination length L to look up (mm)</translation>
    </message>
    <message>
        <source>输入电压（V）</source>
        <translation>Input voltage (V)</translation>
    </message>
    <message>
        <source>铁芯名称：EI-长度L*叠厚b</source>
        <translation>Core name: EI-length L*stack b</translation>
    </message>
    <message>
        <source>频率（Hz）</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>骨架供应商</source>
        <translation>Bobbin supplier</translation>
    </message>
    <message>
        <source>骨架名称</source>
        <translation>Bobbin name</translation>
    </message>
    <message>
        <source>骨架型号查找，* 代表任意字符</source>
        <translation>Bobbin part number search, * stands for any characters</translation>
    </message>
    <message>
        <source>骨架型号（料号）</source>
        <translation>Bobbin part number</translation>
    </message>
    <message>
        <source>骨架尺寸</source>
        <translation>Bobbin dimensions</translation>
    </message>
    <message>
        <source>骨架尺寸 A（mm）</source>
        <translation>Bobbin dimension A (mm)</translation>
    </message>
    <message>
        <source>骨架尺寸 B（mm）</source>
        <translation>Bobbin dimension B (mm)</translation>
    </message>
    <message>
        <source>骨架尺寸 D（mm）</source>
        <translation>Bobbin dimension D (mm)</translation>
    </message>
    <message>
        <source>骨架尺寸 F（mm）</source>
        <translation>Bobbin dimension F (mm)</translation>
    </message>
    <message>
        <source>骨架目录：随程序提供的或另选的</source>
        <translation>Bobbin catalogue: the one supplied with the program or another chosen</translation>
    </message>
    <message>
        <source>不是可读的 Access 数据库</source>
        <translation>not a readable Access database</translation>
    </message>
    <message>
        <source>不是数据库文件</source>
        <translation>not a database file</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>数据库出错</source>
        <translation>database error</translation>
    </message>
    <message>
        <source>数据库文件已损坏</source>
        <translation>the database file is damaged</translation>
    </message>
    <message>
        <source>文件可能已损坏</source>
        <translation>the file may be damaged</translation>
    </message>
    <message>
        <source>文件正被其他程序锁定</source>
        <translation>the file is locked by another program</translation>
    </message>
    <message>
        <source>无法启动读取进程</source>
        <translation>cannot start the reading process</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>无法读取表 %1 的列</source>
        <translation>cannot read the columns of table %1</translation>
    </message>
    <message>
        <source>无法读取骨架目录</source>
        <translation>Cannot read the bobbin catalogue</translation>
    </message>
    <message>
        <source>既不是 SQLite 也不是 Access 数据库</source>
        <translation>it is neither a SQLite nor an Access database</translation>
    </message>
    <message>
        <source>缺少表</source>
        <translation>missing table</translation>
    </message>
    <message>
        <source>缺少骨架表</source>
        <translation>missing bobbin table</translation>
    </message>
    <message>
        <source>表 %1 缺少列</source>
        <translation>table %1 lacks the column</translation>
    </message>
    <message>
        <source>读取所需的内存超出限度</source>
        <translation>reading needed more memory than allowed</translation>
    </message>
    <message>
        <source>读取文件时出错</source>
        <translation>an error occurred reading the file</translation>
    </message>
    <message>
        <source>读取时出错</source>
        <translation>an error occurred while reading</translation>
    </message>
    <message>
        <source>读取超时</source>
        <translation>reading timed out</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>骨架表缺少列</source>
        <translation>a bobbin table lacks the column</translation>
    </message>
    <message>
        <source>骨架表缺少列 A</source>
        <translation>a bobbin table lacks the column A</translation>
    </message>
    <message>
        <source>骨架表缺少列 B</source>
        <translation>a bobbin table lacks the column B</translation>
    </message>
    <message>
        <source>骨架表缺少列 D</source>
        <translation>a bobbin table lacks the column D</translation>
    </message>
    <message>
        <source>骨架表缺少列 F</source>
        <translation>a bobbin table lacks the column F</translation>
    </message>
    <message>
        <source>骨架表缺少列 SUP</source>
        <translation>a bobbin table lacks the column SUP</translation>
    </message>
    <message>
        <source>骨架表缺少列 partno</source>
        <translation>a bobbin table lacks the column partno</translation>
    </message>
    <message>
        <source>骨架表缺少列 specification</source>
        <translation>a bobbin table lacks the column specification</translation>
    </message>
    <message>
        <source>仍使用</source>
        <translation>still using</translation>
    </message>
</context>
<context>
    <name>Frmcore</name>
    <message>
        <source>Peak Corvane专家系统 - 铁芯设计与选型</source>
        <translation>Peak Corvane expert system - Core design and selection</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>允许温升</source>
        <translation>Allowed temperature rise</translation>
    </message>
    <message>
        <source>允许磁密</source>
        <translation>Allowed flux density</translation>
    </message>
    <message>
        <source>允许铜损</source>
        <translation>Allowed copper loss</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>初级匝数 N1（匝）</source>
        <translation>Primary turns N1</translation>
    </message>
    <message>
        <source>功率Po(W)</source>
        <translation>Power Po (W)</translation>
    </message>
    <message>
        <source>功率铁芯规格设计</source>
        <translation>Core size from power</translation>
    </message>
    <message>
        <source>厚度mm</source>
        <translation>Thickness mm</translation>
    </message>
    <message>
        <source>工作温度下的铜损系数 Z</source>
        <translation>Copper loss factor at working temperature Z</translation>
    </message>
    <message>
        <source>工作磁密Bm(T)</source>
        <translation>Working flux density Bm (T)</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>所用额定功率表：540、360、800，空为未用</source>
        <translation>Rated-power table used: 540, 360, 800; empty when none</translation>
    </message>
    <message>
        <source>所选材质在列表中的序号</source>
        <translation>Index of the chosen grade in the list</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>Desc.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>最高输出功率</source>
        <translation>Max. output power</translation>
    </message>
    <message>
        <source>标准EI片</source>
        <translation>Standard EI</translation>
    </message>
    <message>
        <source>每伏匝数（匝/V）</source>
        <translation>Turns per volt</translation>
    </message>
    <message>
        <source>比重</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>电压调整率</source>
        <translation>Regulation</translation>
    </message>
    <message>
        <source>电流密度J(A/mm)</source>
        <translation>J (A/mm²)</translation>
    </message>
    <message>
        <source>电磁参量确定工具</source>
        <translation>Electromagnetic parameter tool</translation>
    </message>
    <message>
        <source>白片</source>
        <translation>White</translation>
    </message>
    <message>
        <source>磁通密度(T)</source>
        <translation>Flux density (T)</translation>
    </message>
    <message>
        <source>窗口允许的初级电流密度（A/mm²）</source>
        <translation>Primary current density the window allows (A/mm²)</translation>
    </message>
    <message>
        <source>窗高/窗宽</source>
        <translation>Window height/width</translation>
    </message>
    <message>
        <source>线圈平均匝长（mm）</source>
        <translation>Coil mean turn length (mm)</translation>
    </message>
    <message>
        <source>线圈散热面积 FM（cm²）</source>
        <translation>Coil cooling surface FM (cm²)</translation>
    </message>
    <message>
        <source>线圈铜重估算（kg）</source>
        <translation>Estimated coil copper weight (kg)</translation>
    </message>
    <message>
        <source>绕组所需窗口面积（cm²）</source>
        <translation>Window area the windings need (cm²)</translation>
    </message>
    <message>
        <source>自定义铁芯尺寸比</source>
        <translation>Custom core proportions</translation>
    </message>
    <message>
        <source>表面散热系数 α（W/(cm²·K)）</source>
        <translation>Surface dissipation coefficient α (W/(cm²·K))</translation>
    </message>
    <message>
        <source>要求的叠片长度 L（mm），取标准EI片</source>
        <translation>Required lamination length L (mm), taken from the standard EI laminations</translation>
    </message>
    <message>
        <source>迭厚/舌宽</source>
        <translation>Stack/tongue</translation>
    </message>
    <message>
        <source>选择矽钢片材质</source>
        <translation>Choose the lamination steel</translation>
    </message>
    <message>
        <source>铁损</source>
        <translation>Iron loss</translation>
    </message>
    <message>
        <source>铁芯参数</source>
        <translation>Core parameters</translation>
    </message>
    <message>
        <source>铁芯名称：EI-长度L*叠厚b</source>
        <translation>Core name: EI-length L*stack b</translation>
    </message>
    <message>
        <source>铁芯尺寸</source>
        <translation>Core dimensions</translation>
    </message>
    <message>
        <source>铁芯截面积Sc</source>
        <translation>Core cross-section Sc</translation>
    </message>
    <message>
        <source>铁芯散热面积 FC（cm²）</source>
        <translation>Core cooling surface FC (cm²)</translation>
    </message>
    <message>
        <source>铁芯最高输出功率（W）</source>
        <translation>Core maximum output power (W)</translation>
    </message>
    <message>
        <source>铁芯窗口面积Sw</source>
        <translation>Core window area Sw</translation>
    </message>
    <message>
        <source>铁芯规格ScSw</source>
        <translation>Core size ScSw</translation>
    </message>
    <message>
        <source>长L    高H   舌宽a  迭厚b 窗口宽c  窗口高h  平均磁路长度Le  铁芯重量We   铁损Pc</source>
        <translation>Length L    Height H   Tongue a  Stack b  Window c  Window h  Mean path Le  Core weight We   Iron loss Pc</translation>
    </message>
    <message>
        <source>非标EI片</source>
        <translation>Non-std EI</translation>
    </message>
    <message>
        <source>频率F(Hz)</source>
        <translation>Frequency F (Hz)</translation>
    </message>
    <message>
        <source>额定功率表的温升（K）</source>
        <translation>Temperature rise of the rated-power table (K)</translation>
    </message>
    <message>
        <source>额定功率表的空载视在功率（VA）</source>
        <translation>No-load apparent power of the rated-power table (VA)</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>黑片</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>初级匝数</source>
        <translation>Primary turns</translation>
    </message>
    <message>
        <source>匝</source>
        <translation>turns</translation>
    </message>
    <message>
        <source>允许温升（K）</source>
        <translation>Allowed temperature rise (K)</translation>
    </message>
    <message>
        <source>允许磁通密度（T）</source>
        <translation>Allowed flux density (T)</translation>
    </message>
    <message>
        <source>允许铜损（W）</source>
        <translation>Allowed copper loss (W)</translation>
    </message>
    <message>
        <source>初级导线的电流密度 J（A/mm²）</source>
        <translation>Current density J of the primary wire (A/mm²)</translation>
    </message>
    <message>
        <source>功率 Po：按允许电压调整率提高后的输出总功率（W）</source>
        <translation>Power Po: total output power raised by the allowed regulation (W)</translation>
    </message>
    <message>
        <source>叠厚 b（mm）</source>
        <translation>Stack b (mm)</translation>
    </message>
    <message>
        <source>叠厚与舌宽之比 b/a</source>
        <translation>Stack to tongue ratio b/a</translation>
    </message>
    <message>
        <source>叠片长度 L（mm），标准EI片的目录号</source>
        <translation>Lamination length L (mm), the standard EI catalogue number</translation>
    </message>
    <message>
        <source>叠片高度 H（mm）</source>
        <translation>Lamination height H (mm)</translation>
    </message>
    <message>
        <source>川崎的硅钢片牌号</source>
        <translation>Kawasaki steel grade</translation>
    </message>
    <message>
        <source>工作磁通密度 Bm（T）</source>
        <translation>Working flux density Bm (T)</translation>
    </message>
    <message>
        <source>平均磁路长度 Le（mm）</source>
        <translation>Mean magnetic path length Le (mm)</translation>
    </message>
    <message>
        <source>新日铁的硅钢片牌号</source>
        <translation>Nippon Steel grade</translation>
    </message>
    <message>
        <source>时每千克的铁损</source>
        <translation>iron loss per kilogram at</translation>
    </message>
    <message>
        <source>材质推荐的磁通密度（T）</source>
        <translation>Flux density recommended for the grade (T)</translation>
    </message>
    <message>
        <source>材质描述：牌号与厚度</source>
        <translation>Material description: grade and thickness</translation>
    </message>
    <message>
        <source>次级导线的电流密度（A/mm²）</source>
        <translation>Current density of the secondary wire (A/mm²)</translation>
    </message>
    <message>
        <source>电压调整率（%）</source>
        <translation>Regulation (%)</translation>
    </message>
    <message>
        <source>电流密度 J（A/mm²）</source>
        <translation>Current density J (A/mm²)</translation>
    </message>
    <message>
        <source>电源频率 F（Hz）</source>
        <translation>Mains frequency F (Hz)</translation>
    </message>
    <message>
        <source>的硅钢片牌号</source>
        <translation>steel grade</translation>
    </message>
    <message>
        <source>硅钢片厚度（mm）</source>
        <translation>Lamination thickness (mm)</translation>
    </message>
    <message>
        <source>硅钢片比重（g/cm³）</source>
        <translation>Steel density (g/cm³)</translation>
    </message>
    <message>
        <source>窗口宽 c（mm）</source>
        <translation>Window width c (mm)</translation>
    </message>
    <message>
        <source>窗口高 h（mm）</source>
        <translation>Window height h (mm)</translation>
    </message>
    <message>
        <source>窗高与窗宽之比 h/c</source>
        <translation>Window height to width ratio h/c</translation>
    </message>
    <message>
        <source>舌宽 a（mm）</source>
        <translation>Tongue a (mm)</translation>
    </message>
    <message>
        <source>铁损 Pc：工作磁通密度下的铁芯损耗（W）</source>
        <translation>Iron loss Pc: core loss at the working flux density (W)</translation>
    </message>
    <message>
        <source>铁芯截面积 Sc（cm²）</source>
        <translation>Core section Sc (cm²)</translation>
    </message>
    <message>
        <source>铁芯窗口面积 Sw（cm²）</source>
        <translation>Core window area Sw (cm²)</translation>
    </message>
    <message>
        <source>铁芯规格：截面积与窗口面积之积 Sc×Sw（cm⁴）</source>
        <translation>Core size: section times window area Sc×Sw (cm⁴)</translation>
    </message>
    <message>
        <source>铁芯重量 We（g）</source>
        <translation>Core weight We (g)</translation>
    </message>
    <message>
        <source>所用额定功率表</source>
        <translation>Rated-power table used</translation>
    </message>
    <message>
        <source>空为未用</source>
        <translation>empty when none</translation>
    </message>
</context>
<context>
    <name>Frmeledata</name>
    <message>
        <source>Peak Corvane专家系统 - 基本参数设置与设计</source>
        <translation>Peak Corvane expert system - Electrical specification</translation>
    </message>
    <message>
        <source>二极管类型</source>
        <translation>Diode type</translation>
    </message>
    <message>
        <source>交流输入电压</source>
        <translation>AC input voltage</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>允许电压调整率%</source>
        <translation>Allowed regulation %</translation>
    </message>
    <message>
        <source>全桥电容</source>
        <translation>Bridge C</translation>
    </message>
    <message>
        <source>全桥电阻</source>
        <translation>Bridge R</translation>
    </message>
    <message>
        <source>全波电容</source>
        <translation>Full-wave C</translation>
    </message>
    <message>
        <source>全波电阻</source>
        <translation>Full-wave R</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>删除输出组别</source>
        <translation>Delete output group</translation>
    </message>
    <message>
        <source>半波电容</source>
        <translation>Half-wave C</translation>
    </message>
    <message>
        <source>半波电阻</source>
        <translation>Half-wave R</translation>
    </message>
    <message>
        <source>单组输入</source>
        <translation>Single primary</translation>
    </message>
    <message>
        <source>双组输入</source>
        <translation>Dual primary</translation>
    </message>
    <message>
        <source>打印参数表</source>
        <translation>Print parameter table</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>整流电路</source>
        <translation>Rectifier</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>滤波电容</source>
        <translation>Filter capacitor</translation>
    </message>
    <message>
        <source>环境温度℃  允许温升℃</source>
        <translation>Ambient ℃  Allowed rise ℃</translation>
    </message>
    <message>
        <source>电压</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>硅管</source>
        <translation>Silicon</translation>
    </message>
    <message>
        <source>空载电压</source>
        <translation>No-load V</translation>
    </message>
    <message>
        <source>组别</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>结构仿真</source>
        <translation>Structure simulation</translation>
    </message>
    <message>
        <source>绕组AC电压</source>
        <translation>Winding V</translation>
    </message>
    <message>
        <source>绕组AC电流</source>
        <translation>Winding A</translation>
    </message>
    <message>
        <source>绕组功率</source>
        <translation>Winding VA</translation>
    </message>
    <message>
        <source>请设定变压器使用时的环境温度</source>
        <translation>Set the ambient temperature the transformer works in</translation>
    </message>
    <message>
        <source>请设定变压器的电压调整率</source>
        <translation>Set the transformer's regulation</translation>
    </message>
    <message>
        <source>请设定此变压器的允许工作温升</source>
        <translation>Set the allowed temperature rise of this transformer</translation>
    </message>
    <message>
        <source>请输入交流输入电压</source>
        <translation>Enter the AC input voltage</translation>
    </message>
    <message>
        <source>请选择适当的整流二极管</source>
        <translation>Choose the rectifier diode</translation>
    </message>
    <message>
        <source>请选择适当的整流电路形式</source>
        <translation>Choose the rectifier circuit</translation>
    </message>
    <message>
        <source>输入参数</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输入电流</source>
        <translation>Input current</translation>
    </message>
    <message>
        <source>输出总功率</source>
        <translation>Total output power</translation>
    </message>
    <message>
        <source>输出电压</source>
        <translation>Output V</translation>
    </message>
    <message>
        <source>输出电流</source>
        <translation>Output A</translation>
    </message>
    <message>
        <source>铁芯选型</source>
        <translation>Core selection</translation>
    </message>
    <message>
        <source>锗管</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>自动设计</source>
        <translation>Automatic design</translation>
    </message>
    <message>
        <source>交流输入电压（V）：第二组初级</source>
        <translation>AC input voltage (V): second primary</translation>
    </message>
    <message>
        <source>整流滤波后的直流电压</source>
        <translation>DC voltage after rectifier and filter</translation>
    </message>
    <message>
        <source>整流电路为</source>
        <translation>with the rectifier</translation>
    </message>
    <message>
        <source>时为交流电压</source>
        <translation>gives the AC voltage</translation>
    </message>
    <message>
        <source>时为交流电流</source>
        <translation>gives the AC current</translation>
    </message>
    <message>
        <source>滤波电容uF</source>
        <translation>Filter capacitor uF</translation>
    </message>
    <message>
        <source>滤波电容：推荐的电解电容容量范围（uF）</source>
        <translation>Filter capacitor: recommended electrolytic capacitance range (uF)</translation>
    </message>
    <message>
        <source>空载电压V</source>
        <translation>No-load V</translation>
    </message>
    <message>
        <source>空载电压：绕组空载时的交流电压，由允许电压调整率算出（V）</source>
        <translation>No-load voltage: the winding's AC voltage at no load, from the allowed regulation (V)</translation>
    </message>
    <message>
        <source>组别：输出绕组的名称</source>
        <translation>Group: name of the output winding</translation>
    </message>
    <message>
        <source>绕组AC电压：满载时绕组交流电压的有效值（V），可改写</source>
        <translation>Winding AC voltage: RMS AC voltage of the winding at full load (V), may be overwritten</translation>
    </message>
    <message>
        <source>绕组AC电流：绕组电流的有效值（A），可改写</source>
        <translation>Winding AC current: RMS current of the winding (A), may be overwritten</translation>
    </message>
    <message>
        <source>绕组功率：绕组AC电压×AC电流（VA）</source>
        <translation>Winding power: winding AC voltage × AC current (VA)</translation>
    </message>
    <message>
        <source>绝缘等级</source>
        <translation>Insulation class</translation>
    </message>
    <message>
        <source>绝缘等级允许的最高温度（℃）</source>
        <translation>Highest temperature the insulation class allows (℃)</translation>
    </message>
    <message>
        <source>请设定变压器使用时的环境温度（℃）</source>
        <translation>Set the ambient temperature the transformer works in (℃)</translation>
    </message>
    <message>
        <source>请设定变压器的电压调整率（%）</source>
        <translation>Set the transformer's regulation (%)</translation>
    </message>
    <message>
        <source>请设定此变压器的允许工作温升（K）</source>
        <translation>Set this transformer's allowed temperature rise (K)</translation>
    </message>
    <message>
        <source>请输入交流输入电压（V）</source>
        <translation>Enter the AC input voltage (V)</translation>
    </message>
    <message>
        <source>负载电流</source>
        <translation>Load current</translation>
    </message>
    <message>
        <source>输入电流A</source>
        <translation>Input current A</translation>
    </message>
    <message>
        <source>输入电流：初级满载电流，不含空载电流（A）</source>
        <translation>Input current: primary full-load current, without the no-load current (A)</translation>
    </message>
    <message>
        <source>输出总功率：各组绕组功率之和（W）</source>
        <translation>Total output power: sum of the windings' power (W)</translation>
    </message>
    <message>
        <source>输出电压V</source>
        <translation>Vout (V)</translation>
    </message>
    <message>
        <source>输出电流A</source>
        <translation>Iout (A)</translation>
    </message>
    <message>
        <source>输出电压：整流滤波后的直流电压，没有整流电路时为交流电压（V）</source>
        <translation>Output voltage: DC voltage after the rectifier and filter; the AC voltage where there is no rectifier (V)</translation>
    </message>
    <message>
        <source>输出电流：负载电流，没有整流电路时为交流电流（A）</source>
        <translation>Output current: load current; the AC current where there is no rectifier (A)</translation>
    </message>
</context>
<context>
    <name>Frmjiegou</name>
    <message>
        <source>Peak Corvane专家系统 - 基本结构设计与性能仿真</source>
        <translation>Peak Corvane expert system - Winding structure and performance</translation>
    </message>
    <message>
        <source>S/F颜色</source>
        <translation>S/F colour</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>产品ID:</source>
        <translation>Product ID:</translation>
    </message>
    <message>
        <source>冷阻(mΩ)</source>
        <translation>Cold res. (mΩ)</translation>
    </message>
    <message>
        <source>初级电流密度</source>
        <translation>Primary current density</translation>
    </message>
    <message>
        <source>匝长mm</source>
        <translation>MLT mm</translation>
    </message>
    <message>
        <source>压降V</source>
        <translation>Drop V</translation>
    </message>
    <message>
        <source>厚度mm</source>
        <translation>Build mm</translation>
    </message>
    <message>
        <source>参数仿真</source>
        <translation>Simulate</translation>
    </message>
    <message>
        <source>圈数Ts</source>
        <translation>Turns Ts</translation>
    </message>
    <message>
        <source>型号:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>客户ID:</source>
        <translation>Customer ID:</translation>
    </message>
    <message>
        <source>导出SPICE模型</source>
        <translation>Export SPICE model</translation>
    </message>
    <message>
        <source>导线工具</source>
        <translation>Wire tools</translation>
    </message>
    <message>
        <source>层匝Ts</source>
        <translation>Turns/layer</translation>
    </message>
    <message>
        <source>层数</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>工作B</source>
        <translation>Working B</translation>
    </message>
    <message>
        <source>工况分析</source>
        <translation>Operating analysis</translation>
    </message>
    <message>
        <source>开放式温升△℃</source>
        <translation>Open-frame rise △℃</translation>
    </message>
    <message>
        <source>引出线型号</source>
        <translation>Lead-wire type</translation>
    </message>
    <message>
        <source>总损耗(W)</source>
        <translation>Total loss (W)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>材料清单</source>
        <translation>Bill of materials</translation>
    </message>
    <message>
        <source>棕/棕</source>
        <translation>BN/BN</translation>
    </message>
    <message>
        <source>次级电流密度</source>
        <translation>Secondary current density</translation>
    </message>
    <message>
        <source>热阻(mΩ)</source>
        <translation>Hot res. (mΩ)</translation>
    </message>
    <message>
        <source>白/白</source>
        <translation>WH/WH</translation>
    </message>
    <message>
        <source>直流负载电压  调整率</source>
        <translation>DC load voltage  Regulation</translation>
    </message>
    <message>
        <source>稳态电压V</source>
        <translation>Load V</translation>
    </message>
    <message>
        <source>空载Bo</source>
        <translation>No-load Bo</translation>
    </message>
    <message>
        <source>空载电压V</source>
        <translation>No-load V</translation>
    </message>
    <message>
        <source>空载电流</source>
        <translation>No-load current</translation>
    </message>
    <message>
        <source>空载运行</source>
        <translation>No-load run</translation>
    </message>
    <message>
        <source>紫/紫</source>
        <translation>VT/VT</translation>
    </message>
    <message>
        <source>红/红</source>
        <translation>RD/RD</translation>
    </message>
    <message>
        <source>线径mm</source>
        <translation>Dia. mm</translation>
    </message>
    <message>
        <source>组别</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>结构仿真</source>
        <translation>Structure simulation</translation>
    </message>
    <message>
        <source>结构参数与仿真报告</source>
        <translation>Structure and simulation report</translation>
    </message>
    <message>
        <source>绕组线型</source>
        <translation>Winding wire type</translation>
    </message>
    <message>
        <source>绿/绿</source>
        <translation>GN/GN</translation>
    </message>
    <message>
        <source>股数P</source>
        <translation>Strands P</translation>
    </message>
    <message>
        <source>胶带层数  总长度MM</source>
        <translation>Tape layers  Total length mm</translation>
    </message>
    <message>
        <source>蓝/蓝</source>
        <translation>BU/BU</translation>
    </message>
    <message>
        <source>订单ID:</source>
        <translation>Order ID:</translation>
    </message>
    <message>
        <source>负载运行</source>
        <translation>Load run</translation>
    </message>
    <message>
        <source>适配器温升△℃</source>
        <translation>Adapter rise △℃</translation>
    </message>
    <message>
        <source>铁损(W)</source>
        <translation>Iron loss (W)</translation>
    </message>
    <message>
        <source>铜总重KG</source>
        <translation>Total copper kg</translation>
    </message>
    <message>
        <source>铜损(W)</source>
        <translation>Copper loss (W)</translation>
    </message>
    <message>
        <source>铜损W</source>
        <translation>Cu loss W</translation>
    </message>
    <message>
        <source>铜重g</source>
        <translation>Cu weight g</translation>
    </message>
    <message>
        <source>黄/黄</source>
        <translation>YE/YE</translation>
    </message>
    <message>
        <source>黑/黑</source>
        <translation>BK/BK</translation>
    </message>
    <message>
        <source>△U：稳态电压与该组要求电压之差（%）</source>
        <translation>ΔU: difference of the steady voltage from the group's required voltage (%)</translation>
    </message>
    <message>
        <source>产品编号</source>
        <translation>Product number</translation>
    </message>
    <message>
        <source>冷阻</source>
        <translation>Cold resistance</translation>
    </message>
    <message>
        <source>初级导线的电流密度（A/mm²）</source>
        <translation>Current density of the primary wire (A/mm²)</translation>
    </message>
    <message>
        <source>初级电流密度(A/mm²)</source>
        <translation>Primary J (A/mm²)</translation>
    </message>
    <message>
        <source>初级空载时的励磁电流</source>
        <translation>exciting current of the primary at no load</translation>
    </message>
    <message>
        <source>匝长：绕组的平均匝长（mm）</source>
        <translation>Turn length: mean turn length of the winding (mm)</translation>
    </message>
    <message>
        <source>单击解锁股数列，可改写股数</source>
        <translation>Click to unlock the strands column and overwrite the strands</translation>
    </message>
    <message>
        <source>单击锁定匝数列；双击解锁，可改写匝数</source>
        <translation>Click to lock the turns column; double-click to unlock and overwrite the turns</translation>
    </message>
    <message>
        <source>单击锁定线径列；双击解锁，可改写线径</source>
        <translation>Click to lock the wire column; double-click to unlock and overwrite the diameters</translation>
    </message>
    <message>
        <source>压降：满载电流在热阻上的压降（V）</source>
        <translation>Voltage drop: drop of the full-load current across the hot resistance (V)</translation>
    </message>
    <message>
        <source>厚度：绕组的径向厚度（mm）</source>
        <translation>Build: radial thickness of the winding (mm)</translation>
    </message>
    <message>
        <source>圈数：绕组匝数（匝）</source>
        <translation>Turns: turns of the winding</translation>
    </message>
    <message>
        <source>型号：所用铁芯的名称</source>
        <translation>Type: name of the core used</translation>
    </message>
    <message>
        <source>客户编号</source>
        <translation>Customer number</translation>
    </message>
    <message>
        <source>层匝：每层匝数（匝）</source>
        <translation>Turns/layer: turns per layer</translation>
    </message>
    <message>
        <source>层数：绕组的层数</source>
        <translation>Layers: layers of the winding</translation>
    </message>
    <message>
        <source>工作B(T)</source>
        <translation>Working B (T)</translation>
    </message>
    <message>
        <source>工作B：负载运行时铁芯的磁通密度（T）</source>
        <translation>Working B: flux density of the core on load (T)</translation>
    </message>
    <message>
        <source>开放式温升：敞开安装时的温升（℃）</source>
        <translation>Open-frame rise: temperature rise mounted in open air (℃)</translation>
    </message>
    <message>
        <source>引出线颜色：起头/结尾</source>
        <translation>Lead colours: start/finish</translation>
    </message>
    <message>
        <source>总损耗：铜损与铁损之和（W）</source>
        <translation>Total loss: copper loss plus iron loss (W)</translation>
    </message>
    <message>
        <source>时的直流电阻</source>
        <translation>DC resistance at</translation>
    </message>
    <message>
        <source>次级导线的电流密度（A/mm²）</source>
        <translation>Current density of the secondary wire (A/mm²)</translation>
    </message>
    <message>
        <source>次级电流密度(A/mm²)</source>
        <translation>Secondary J (A/mm²)</translation>
    </message>
    <message>
        <source>每个绕组外包胶带的层数</source>
        <translation>Tape layers wrapped over each winding</translation>
    </message>
    <message>
        <source>热阻：工作温度下的直流电阻（mΩ）</source>
        <translation>Hot resistance: DC resistance at the working temperature (mΩ)</translation>
    </message>
    <message>
        <source>直流负载电压：整流滤波后的输出电压（V）</source>
        <translation>DC load voltage: output voltage after rectifier and filter (V)</translation>
    </message>
    <message>
        <source>稳态电压：满载时的绕组电压（V）</source>
        <translation>Steady voltage: winding voltage at full load (V)</translation>
    </message>
    <message>
        <source>空载Bo(T)</source>
        <translation>No-load Bo (T)</translation>
    </message>
    <message>
        <source>空载Bo：空载时铁芯的磁通密度（T）</source>
        <translation>No-load Bo: flux density of the core at no load (T)</translation>
    </message>
    <message>
        <source>空载电压：绕组空载时的电压（V）</source>
        <translation>No-load voltage: voltage of the winding at no load (V)</translation>
    </message>
    <message>
        <source>线径：裸铜线直径（mm）</source>
        <translation>Wire diameter: bare copper diameter (mm)</translation>
    </message>
    <message>
        <source>组别：绕组名称，N1 起为初级，其后为各输出组</source>
        <translation>Group: winding name, primaries from N1, then each output group</translation>
    </message>
    <message>
        <source>绕组线型：漆包线的种类</source>
        <translation>Wire type: kind of magnet wire</translation>
    </message>
    <message>
        <source>股数：并绕的导线股数</source>
        <translation>Strands: wires wound in parallel</translation>
    </message>
    <message>
        <source>胶带总长度（mm）</source>
        <translation>Total tape length (mm)</translation>
    </message>
    <message>
        <source>订单号</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>设计不完整：缺少N1的匝数、N2的匝数、N2的线径</source>
        <translation>Design incomplete: missing the turns of N1, the turns of N2, the wire diameter of N2</translation>
    </message>
    <message>
        <source>调整率：空载电压与满载电压之差占空载电压的百分数（%）</source>
        <translation>Regulation: difference of the no-load and full-load voltage as a share of the no-load voltage (%)</translation>
    </message>
    <message>
        <source>适配器温升：装在适配器外壳内时的温升（℃）</source>
        <translation>Adapter rise: temperature rise enclosed in an adapter housing (℃)</translation>
    </message>
    <message>
        <source>铁损：铁芯在工作磁通密度下的损耗（W）</source>
        <translation>Iron loss: core loss at the working flux density (W)</translation>
    </message>
    <message>
        <source>铜总重：各绕组铜线重量之和（kg）</source>
        <translation>Total copper: sum of the windings' copper weight (kg)</translation>
    </message>
    <message>
        <source>铜损：各绕组满载铜损之和（W）</source>
        <translation>Copper loss: sum of the windings' full-load copper loss (W)</translation>
    </message>
    <message>
        <source>铜损：绕组满载时的铜损耗（W）</source>
        <translation>Copper loss: copper loss of the winding at full load (W)</translation>
    </message>
    <message>
        <source>铜重：绕组铜线的重量（g）</source>
        <translation>Copper weight: weight of the winding's copper (g)</translation>
    </message>
    <message>
        <source>初级没有匝数或输入电压，无法计算空载电流</source>
        <translation>The primary has no turns or no input voltage: no no-load current can be worked out</translation>
    </message>
    <message>
        <source>尚未计算，点击参数仿真后显示空载电流</source>
        <translation>Not worked out yet: click Simulate to show the no-load current</translation>
    </message>
    <message>
        <source>工作磁密超出铁芯材质磁化曲线的范围，无法计算空载电流</source>
        <translation>The working flux density lies off the steel's magnetising curve: no no-load current can be worked out</translation>
    </message>
    <message>
        <source>无法计算空载电流</source>
        <translation>no no-load current can be worked out</translation>
    </message>
    <message>
        <source>没有磁化曲线</source>
        <translation>has no magnetising curve</translation>
    </message>
    <message>
        <source>没有输入电压，无法计算空载电流</source>
        <translation>No input voltage: no no-load current can be worked out</translation>
    </message>
    <message>
        <source>设计不完整：缺少输入电压、N1的匝数</source>
        <translation>Design incomplete: missing the input voltage, the turns of N1</translation>
    </message>
    <message>
        <source>铁芯已饱和，且初级没有直流电阻，无法计算空载电流</source>
        <translation>The core is saturated and the primary has no DC resistance: no no-load current can be worked out</translation>
    </message>
    <message>
        <source>铁芯材质</source>
        <translation>Steel grade</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Peak Corvane专家系统 - 未命名设计</source>
        <translation>Peak Corvane expert system - Untitled design</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统</source>
        <translation>Peak Corvane expert system</translation>
    </message>
    <message>
        <source>EI型工频电源变压器设计</source>
        <translation>EI mains-frequency power transformer design</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 未命名设计*</source>
        <translation>Peak Corvane expert system - Untitled design*</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 欢迎使用</source>
        <translation>Peak Corvane expert system - Welcome</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>另存为…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>您已操作：</source>
        <translation>In use for:</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>欢迎使用Peak Corvane专家系统</source>
        <translation>Welcome to Peak Corvane expert system</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统信息</source>
        <translation>System information</translation>
    </message>
    <message>
        <source>导线工具</source>
        <translation>Wire tools</translation>
    </message>
    <message>
        <source>自动设计</source>
        <translation>Automatic design</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>勾选</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>单击</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>双击</source>
        <translation>Double-click</translation>
    </message>
    <message>
        <source>取消勾选</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>按键</source>
        <translation>Key in</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>上次程序没有正常结束，留下了未保存的设计。是否恢复它？</source>
        <translation>The program did not end normally last time and left an unsaved design. Restore it?</translation>
    </message>
    <message>
        <source>本专家系统软件已经在运行！</source>
        <translation>The program is already running.</translation>
    </message>
    <message>
        <source>严重警告！该设计方案可能引起严重的事故！！</source>
        <translation>Severe warning! This design may cause a serious accident!</translation>
    </message>
    <message>
        <source>祝您工作更轻松！谢谢您的使用！再见！</source>
        <translation>Thank you for using the program. Goodbye!</translation>
    </message>
    <message>
        <source>程序内部错误</source>
        <translation>Internal program error</translation>
    </message>
    <message>
        <source>无法打印到</source>
        <translation>Cannot print to</translation>
    </message>
    <message>
        <source>文件无法创建</source>
        <translation>the file cannot be created</translation>
    </message>
    <message>
        <source>打印机无法开始打印</source>
        <translation>the printer cannot start printing</translation>
    </message>
    <message>
        <source>打印机报告错误，打印作业未完成</source>
        <translation>the printer reported an error; the job was not completed</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - BOM材料清单</source>
        <translation>Peak Corvane expert system - Bill of materials</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 基本参数设置与设计</source>
        <translation>Peak Corvane expert system - Electrical specification</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 基本结构设计与性能仿真</source>
        <translation>Peak Corvane expert system - Winding structure and performance</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>无法保存材料清单</source>
        <translation>Cannot save the bill of materials</translation>
    </message>
    <message>
        <source>无法保存设计文件</source>
        <translation>Cannot save the design file</translation>
    </message>
    <message>
        <source>无法打开设计文件</source>
        <translation>Cannot open the design file</translation>
    </message>
    <message>
        <source>空载运行安全</source>
        <translation>No-load run: safe</translation>
    </message>
    <message>
        <source>负载运行安全</source>
        <translation>Load run: safe</translation>
    </message>
    <message>
        <source>负载运行过热</source>
        <translation>Load run: overheating</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统</source>
        <translation>Peak Corvane expert system</translation>
    </message>
    <message>
        <source>保存操作成功！</source>
        <translation>The design was saved.</translation>
    </message>
    <message>
        <source>您要继续添加输出参数吗？</source>
        <translation>Add another output group?</translation>
    </message>
    <message>
        <source>是否保存对设计的修改？</source>
        <translation>Save the changes to the design?</translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation>System information is not available now</translation>
    </message>
    <message>
        <source>文件超出允许的大小</source>
        <translation>the file exceeds the allowed size</translation>
    </message>
    <message>
        <source>没有访问权限</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>磁盘为只读</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>路径中有一段不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>不是列表中的选项</source>
        <translation>is not an item of the list</translation>
    </message>
    <message>
        <source>不是整数</source>
        <translation>is not a whole number</translation>
    </message>
    <message>
        <source>只有 %1 行</source>
        <translation>only %1 present</translation>
    </message>
    <message>
        <source>含有 GBK 编码中不存在的字节</source>
        <translation>it holds bytes that do not exist in GBK</translation>
    </message>
    <message>
        <source>含有 GBK 编码无法表示的字符</source>
        <translation>holds characters GBK cannot represent</translation>
    </message>
    <message>
        <source>含有空字符</source>
        <translation>it holds null characters</translation>
    </message>
    <message>
        <source>在第 %1 个字节处中断</source>
        <translation>cut off at byte %1</translation>
    </message>
    <message>
        <source>字段 %1 的内容</source>
        <translation>the content of field %1</translation>
    </message>
    <message>
        <source>字段 %1 的内容含有换行</source>
        <translation>the content of field %1 holds a line break</translation>
    </message>
    <message>
        <source>它不是 Corvane 设计文件</source>
        <translation>it is not a Corvane design file</translation>
    </message>
    <message>
        <source>它不是文本文件</source>
        <translation>it is not a text file</translation>
    </message>
    <message>
        <source>它由较新的程序写成</source>
        <translation>it was written by a newer program</translation>
    </message>
    <message>
        <source>应为 %1 或</source>
        <translation>must be %1 or</translation>
    </message>
    <message>
        <source>文件不完整</source>
        <translation>the file is incomplete</translation>
    </message>
    <message>
        <source>文件中有超出数的范围的数</source>
        <translation>the file holds a number out of range</translation>
    </message>
    <message>
        <source>文件含有 %1 组输出</source>
        <translation>the file holds %1 output groups</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>文件的格式版本无效</source>
        <translation>the file format version is invalid</translation>
    </message>
    <message>
        <source>无效</source>
        <translation>is invalid</translation>
    </message>
    <message>
        <source>最多只能有 %1 组</source>
        <translation>at most %1 are allowed</translation>
    </message>
    <message>
        <source>本程序只能读取版本 %1 至</source>
        <translation>this program reads versions %1 to</translation>
    </message>
    <message>
        <source>格式版本</source>
        <translation>format version</translation>
    </message>
    <message>
        <source>第 %1 行的二极管类型</source>
        <translation>the diode type on line %1</translation>
    </message>
    <message>
        <source>第 %1 行的整流电路</source>
        <translation>the rectifier circuit on line %1</translation>
    </message>
    <message>
        <source>第 %1 行的组别数</source>
        <translation>the group count on line %1</translation>
    </message>
    <message>
        <source>第 %1 行的输入方式</source>
        <translation>the input arrangement on line %1</translation>
    </message>
    <message>
        <source>第 %1 行的连接方式</source>
        <translation>the connection on line %1</translation>
    </message>
    <message>
        <source>组输出应有 %1 行</source>
        <translation>output group(s) need %1 lines</translation>
    </message>
    <message>
        <source>编码有误</source>
        <translation>encoding is broken</translation>
    </message>
    <message>
        <source>JSON 对象</source>
        <translation>JSON object</translation>
    </message>
    <message>
        <source>JSON 数组</source>
        <translation>JSON array</translation>
    </message>
    <message>
        <source>true/false 或文本表</source>
        <translation>true/false or a table of texts</translation>
    </message>
    <message>
        <source>不在文件的窗体之中</source>
        <translation>is not among the file's forms</translation>
    </message>
    <message>
        <source>不是已知的绘图操作</source>
        <translation>is no known drawing operation</translation>
    </message>
    <message>
        <source>不是标准EI铁芯</source>
        <translation>is not a standard EI lamination</translation>
    </message>
    <message>
        <source>不是铁芯窗体的矽钢片材质</source>
        <translation>is not a steel grade of the core form</translation>
    </message>
    <message>
        <source>与</source>
        <translation>and</translation>
    </message>
    <message>
        <source>中有未知的项</source>
        <translation>holds an unknown key</translation>
    </message>
    <message>
        <source>之间的漏感不小于励磁电感</source>
        <translation>: the leakage inductance between them is not below the magnetising inductance</translation>
    </message>
    <message>
        <source>以下内容已忽略</source>
        <translation>The following was ignored</translation>
    </message>
    <message>
        <source>共享值</source>
        <translation>shared value</translation>
    </message>
    <message>
        <source>出现了两次</source>
        <translation>appears twice</translation>
    </message>
    <message>
        <source>厚度或匝长不是正数</source>
        <translation>thickness or mean turn length is not positive</translation>
    </message>
    <message>
        <source>叠厚的最小值必须大于</source>
        <translation>The stack minimum must be greater than</translation>
    </message>
    <message>
        <source>叠厚的步长必须大于</source>
        <translation>The stack step must be greater than</translation>
    </message>
    <message>
        <source>只能是数</source>
        <translation>can only be one of a number</translation>
    </message>
    <message>
        <source>在本程序中不存在</source>
        <translation>does not exist in this program</translation>
    </message>
    <message>
        <source>应为一组键值</source>
        <translation>must be a set of keys and values</translation>
    </message>
    <message>
        <source>应为列表</source>
        <translation>must be a list</translation>
    </message>
    <message>
        <source>应为数</source>
        <translation>must be a number</translation>
    </message>
    <message>
        <source>应为文本</source>
        <translation>must be text</translation>
    </message>
    <message>
        <source>应在 %1 与 %2 之间</source>
        <translation>must lie between %1 and %2</translation>
    </message>
    <message>
        <source>引用的窗体</source>
        <translation>refers to the form</translation>
    </message>
    <message>
        <source>搜索范围有误</source>
        <translation>Search space error</translation>
    </message>
    <message>
        <source>搜索范围有误：候选方案超过200000个，请缩小搜索范围</source>
        <translation>Search space error: more than 200000 candidates; narrow the search space</translation>
    </message>
    <message>
        <source>搜索范围有误：叠厚取值太多</source>
        <translation>Search space error: the stack range has too many values</translation>
    </message>
    <message>
        <source>搜索范围有误：叠厚的最大值没有数值</source>
        <translation>Search space error: the stack maximum has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：叠厚的最小值大于最大值</source>
        <translation>Search space error: the stack minimum exceeds its maximum</translation>
    </message>
    <message>
        <source>搜索范围有误：叠厚的最小值没有数值</source>
        <translation>Search space error: the stack minimum has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：叠厚的步长没有数值</source>
        <translation>Search space error: the stack step has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：叠厚范围不是数</source>
        <translation>Search space error: the stack range is not a number</translation>
    </message>
    <message>
        <source>搜索范围有误：搜索范围中没有候选方案</source>
        <translation>Search space error: the search space holds no candidate</translation>
    </message>
    <message>
        <source>搜索范围有误：次级/初级电流密度比没有数值</source>
        <translation>Search space error: the secondary/primary current density ratio has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：没有选择矽钢片材质</source>
        <translation>Search space error: no steel grade chosen</translation>
    </message>
    <message>
        <source>搜索范围有误：没有选择铁芯规格</source>
        <translation>Search space error: no lamination chosen</translation>
    </message>
    <message>
        <source>搜索范围有误：没有选择骨架类型</source>
        <translation>Search space error: no bobbin type chosen</translation>
    </message>
    <message>
        <source>搜索范围有误：电流密度取值太多</source>
        <translation>Search space error: the current density range has too many values</translation>
    </message>
    <message>
        <source>搜索范围有误：电流密度的最大值没有数值</source>
        <translation>Search space error: the current density maximum has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：电流密度的最小值大于最大值</source>
        <translation>Search space error: the current density minimum exceeds its maximum</translation>
    </message>
    <message>
        <source>搜索范围有误：电流密度的最小值没有数值</source>
        <translation>Search space error: the current density minimum has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：电流密度的步长没有数值</source>
        <translation>Search space error: the current density step has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：电流密度范围不是数</source>
        <translation>Search space error: the current density range is not a number</translation>
    </message>
    <message>
        <source>搜索范围有误：磁通密度取值太多</source>
        <translation>Search space error: the flux density range has too many values</translation>
    </message>
    <message>
        <source>搜索范围有误：磁通密度的最大值没有数值</source>
        <translation>Search space error: the flux density maximum has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：磁通密度的最小值大于最大值</source>
        <translation>Search space error: the flux density minimum exceeds its maximum</translation>
    </message>
    <message>
        <source>搜索范围有误：磁通密度的最小值没有数值</source>
        <translation>Search space error: the flux density minimum has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：磁通密度的步长没有数值</source>
        <translation>Search space error: the flux density step has no value</translation>
    </message>
    <message>
        <source>搜索范围有误：磁通密度范围不是数</source>
        <translation>Search space error: the flux density range is not a number</translation>
    </message>
    <message>
        <source>文件中有未知的项</source>
        <translation>the file holds an unknown key</translation>
    </message>
    <message>
        <source>文件的 activeForm 应为文本</source>
        <translation>the file's activeForm must be text</translation>
    </message>
    <message>
        <source>文件的 forms 应为列表</source>
        <translation>the file's forms must be a list</translation>
    </message>
    <message>
        <source>文件的 recovery 中有未知的项</source>
        <translation>the file's recovery holds an unknown key</translation>
    </message>
    <message>
        <source>文件的 recovery 应为一组键值</source>
        <translation>the file's recovery must be a set of keys and values</translation>
    </message>
    <message>
        <source>文件的 recovery 的 file 应为文本</source>
        <translation>the file's recovery: file must be text</translation>
    </message>
    <message>
        <source>文件的 recovery 缺少</source>
        <translation>the file's recovery lacks</translation>
    </message>
    <message>
        <source>文件的 shared 应为一组键值</source>
        <translation>the file's shared must be a set of keys and values</translation>
    </message>
    <message>
        <source>文件缺少</source>
        <translation>the file lacks</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>text</translation>
    </message>
    <message>
        <source>文本或引用之一</source>
        <translation>text or a reference</translation>
    </message>
    <message>
        <source>无法导出SPICE模型</source>
        <translation>Cannot export the SPICE model</translation>
    </message>
    <message>
        <source>无法导出SPICE模型：初级电压U1或频率f不是正数。</source>
        <translation>Cannot export the SPICE model: the primary voltage U1 or the frequency f is not positive.</translation>
    </message>
    <message>
        <source>无法导出SPICE模型：未选择骨架形式，绕组在骨架中的位置不定。</source>
        <translation>Cannot export the SPICE model: no bobbin type is chosen, so the places of the windings in the bobbin are unknown.</translation>
    </message>
    <message>
        <source>无法导出SPICE模型：模型的数值超出范围。</source>
        <translation>Cannot export the SPICE model: a value of the model is out of range.</translation>
    </message>
    <message>
        <source>无法导出SPICE模型：没有空载电流I0，请先运行参数仿真。</source>
        <translation>Cannot export the SPICE model: there is no no-load current I0; run the parameter simulation first.</translation>
    </message>
    <message>
        <source>无法导出SPICE模型：空载电流I0不大于铁损电流Pc/U1，求不出励磁电流和励磁电感。</source>
        <translation>Cannot export the SPICE model: the no-load current I0 is not above the iron-loss current Pc/U1, so the magnetising current and inductance cannot be found.</translation>
    </message>
    <message>
        <source>无法导出SPICE模型：绕组之间的耦合系数互相矛盾（耦合矩阵不正定）。</source>
        <translation>Cannot export the SPICE model: the coupling coefficients between the windings contradict each other (the coupling matrix is not positive definite).</translation>
    </message>
    <message>
        <source>无法导出SPICE模型：骨架槽宽或铁芯窗口宽度不是正数。</source>
        <translation>Cannot export the SPICE model: the bobbin slot width or the core window width is not positive.</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>is unknown</translation>
    </message>
    <message>
        <source>材质</source>
        <translation>grade</translation>
    </message>
    <message>
        <source>次级/初级电流密度比必须大于</source>
        <translation>The secondary/primary current density ratio must be greater than</translation>
    </message>
    <message>
        <source>次级电流密度比必须大于</source>
        <translation>The secondary current density ratio must be greater than</translation>
    </message>
    <message>
        <source>没有对应的输出组</source>
        <translation>has no output group</translation>
    </message>
    <message>
        <source>没有成员</source>
        <translation>has no member</translation>
    </message>
    <message>
        <source>活动窗体</source>
        <translation>the active form</translation>
    </message>
    <message>
        <source>热阻</source>
        <translation>hot resistance</translation>
    </message>
    <message>
        <source>电流密度的最小值必须大于</source>
        <translation>The current density minimum must be greater than</translation>
    </message>
    <message>
        <source>电流密度的步长必须大于</source>
        <translation>The current density step must be greater than</translation>
    </message>
    <message>
        <source>的 backColor 应为颜色 [红, 绿, 蓝]</source>
        <translation>'s backColor must be a colour [red, green, blue]</translation>
    </message>
    <message>
        <source>的 backColor 应在 %1 与 %2 之间</source>
        <translation>'s backColor must lie between %1 and %2</translation>
    </message>
    <message>
        <source>的 caption 应为文本</source>
        <translation>'s caption must be text</translation>
    </message>
    <message>
        <source>的 controls 应为列表</source>
        <translation>'s controls must be a list</translation>
    </message>
    <message>
        <source>的 enabled 应为 true 或 false</source>
        <translation>'s enabled must be true or false</translation>
    </message>
    <message>
        <source>的 field 应为文本</source>
        <translation>'s field must be text</translation>
    </message>
    <message>
        <source>的 foreColor 应为颜色 [红, 绿, 蓝]</source>
        <translation>'s foreColor must be a colour [red, green, blue]</translation>
    </message>
    <message>
        <source>的 form 应为文本</source>
        <translation>'s form must be text</translation>
    </message>
    <message>
        <source>的 geometry 应为 [左, 上, 宽, 高]</source>
        <translation>'s geometry must be [left, top, width, height]</translation>
    </message>
    <message>
        <source>的 geometry 应为整数</source>
        <translation>'s geometry must be whole numbers</translation>
    </message>
    <message>
        <source>的 interval 应在 %1 与 %2 之间</source>
        <translation>'s interval must lie between %1 and %2</translation>
    </message>
    <message>
        <source>的 items 应为列表</source>
        <translation>'s items must be a list</translation>
    </message>
    <message>
        <source>的 items 的列表项应为文本</source>
        <translation>'s items: a list item must be text</translation>
    </message>
    <message>
        <source>的 listIndex 应为整数</source>
        <translation>'s listIndex must be a whole number</translation>
    </message>
    <message>
        <source>的 listIndex 应在 %1 与 %2 之间</source>
        <translation>'s listIndex must lie between %1 and %2</translation>
    </message>
    <message>
        <source>的 locked 应为 true 或 false</source>
        <translation>'s locked must be true or false</translation>
    </message>
    <message>
        <source>的 members 应为一组键值</source>
        <translation>'s members must be a set of keys and values</translation>
    </message>
    <message>
        <source>的 ownBackColor 应为 true 或 false</source>
        <translation>'s ownBackColor must be true or false</translation>
    </message>
    <message>
        <source>的 picture 中有未知的项</source>
        <translation>'s picture holds an unknown key</translation>
    </message>
    <message>
        <source>的 picture 应为一组键值</source>
        <translation>'s picture must be a set of keys and values</translation>
    </message>
    <message>
        <source>的 picture 的 backColor 应为颜色 [红, 绿, 蓝]</source>
        <translation>'s picture: backColor must be a colour [red, green, blue]</translation>
    </message>
    <message>
        <source>的 picture 的 foreColor 应为颜色 [红, 绿, 蓝]</source>
        <translation>'s picture: foreColor must be a colour [red, green, blue]</translation>
    </message>
    <message>
        <source>的 picture 的 ops 应为列表</source>
        <translation>'s picture: ops must be a list</translation>
    </message>
    <message>
        <source>的 picture 的第 %1 个绘图操作应为数</source>
        <translation>'s picture: drawing operation %1 must be a number</translation>
    </message>
    <message>
        <source>的 picture 的第 %1 个绘图操作应为绘图操作 [名称</source>
        <translation>'s picture: drawing operation %1 must be a drawing operation [name</translation>
    </message>
    <message>
        <source>的 picture 的第 %1 个绘图操作应有 %2 项</source>
        <translation>'s picture: drawing operation %1 must have %2 items</translation>
    </message>
    <message>
        <source>的 picture 的第 %1 个绘图操作的名称</source>
        <translation>'s picture: drawing operation %1 has the name</translation>
    </message>
    <message>
        <source>的 picture 的第 %1 个绘图操作的名称应为文本</source>
        <translation>'s picture: the name of drawing operation %1 must be text</translation>
    </message>
    <message>
        <source>的 picture 的第 %1 个绘图操作的文字应为文本</source>
        <translation>'s picture: the text of drawing operation %1 must be text</translation>
    </message>
    <message>
        <source>的 picture 的第 %1 个绘图操作的颜色应为颜色 [红, 绿, 蓝</source>
        <translation>'s picture: the colour of drawing operation %1 must be a colour [red, green, blue</translation>
    </message>
    <message>
        <source>的 picture 缺少</source>
        <translation>'s picture lacks</translation>
    </message>
    <message>
        <source>的 row 应在 %1 与 %2 之间</source>
        <translation>'s row must lie between %1 and %2</translation>
    </message>
    <message>
        <source>的 rows 中有空的数组名</source>
        <translation>'s rows hold an empty array name</translation>
    </message>
    <message>
        <source>的 rows 应为一组键值</source>
        <translation>'s rows must be a set of keys and values</translation>
    </message>
    <message>
        <source>的 rows 的数组</source>
        <translation>'s rows: the array</translation>
    </message>
    <message>
        <source>的 text 应为文本</source>
        <translation>'s text must be text</translation>
    </message>
    <message>
        <source>的 toolTip 应为文本</source>
        <translation>'s toolTip must be text</translation>
    </message>
    <message>
        <source>的 value 应为整数</source>
        <translation>'s value must be a whole number</translation>
    </message>
    <message>
        <source>的 value 应在 %1 与 %2 之间</source>
        <translation>'s value must lie between %1 and %2</translation>
    </message>
    <message>
        <source>的 visible 应为 true 或 false</source>
        <translation>'s visible must be true or false</translation>
    </message>
    <message>
        <source>的一行应为列表</source>
        <translation>'s row must be a list</translation>
    </message>
    <message>
        <source>的一行的列表项应为文本</source>
        <translation>'s row: a list item must be text</translation>
    </message>
    <message>
        <source>的值类型或范围不对</source>
        <translation>'s value has the wrong type or range</translation>
    </message>
    <message>
        <source>的匝数</source>
        <translation>'s turns</translation>
    </message>
    <message>
        <source>的成员</source>
        <translation>'s member</translation>
    </message>
    <message>
        <source>的控件</source>
        <translation>'s control</translation>
    </message>
    <message>
        <source>的整流电路</source>
        <translation>'s rectifier circuit</translation>
    </message>
    <message>
        <source>的第 %1 个控件应为一组键值</source>
        <translation>'s control %1 must be a set of keys and values</translation>
    </message>
    <message>
        <source>的第 %1 个控件的 index 应为整数</source>
        <translation>'s control %1: index must be a whole number</translation>
    </message>
    <message>
        <source>的第 %1 个控件的 index 应在 %2 与 %3 之间</source>
        <translation>'s control %1: index must lie between %2 and %3</translation>
    </message>
    <message>
        <source>的第 %1 个控件的 name 应为文本</source>
        <translation>'s control %1: name must be text</translation>
    </message>
    <message>
        <source>的第 %1 个控件的 name 是空的</source>
        <translation>'s control %1: name is empty</translation>
    </message>
    <message>
        <source>的第 %1 个控件缺少</source>
        <translation>'s control %1 lacks</translation>
    </message>
    <message>
        <source>的行 %1 出现了两次</source>
        <translation>'s row %1 appears twice</translation>
    </message>
    <message>
        <source>的行号应为整数</source>
        <translation>'s row number must be a whole number</translation>
    </message>
    <message>
        <source>的行号应在 %1 与 %2 之间</source>
        <translation>'s row number must lie between %1 and %2</translation>
    </message>
    <message>
        <source>的饱和点</source>
        <translation>'s saturation point</translation>
    </message>
    <message>
        <source>磁通密度Bm %1 T 超过钢材</source>
        <translation>the flux density Bm %1 T exceeds steel</translation>
    </message>
    <message>
        <source>磁通密度的最小值必须大于</source>
        <translation>The flux density minimum must be greater than</translation>
    </message>
    <message>
        <source>磁通密度的步长必须大于</source>
        <translation>The flux density step must be greater than</translation>
    </message>
    <message>
        <source>窗体</source>
        <translation>form</translation>
    </message>
    <message>
        <source>第 %1 个窗体应为一组键值</source>
        <translation>form %1 must be a set of keys and values</translation>
    </message>
    <message>
        <source>第 %1 个窗体的 name 应为文本</source>
        <translation>form %1's name must be text</translation>
    </message>
    <message>
        <source>第 %1 个窗体缺少</source>
        <translation>form %1 lacks</translation>
    </message>
    <message>
        <source>线性模型不成立</source>
        <translation>the linear model does not hold</translation>
    </message>
    <message>
        <source>绕组</source>
        <translation>winding</translation>
    </message>
    <message>
        <source>缺少</source>
        <translation>lacks</translation>
    </message>
    <message>
        <source>而有</source>
        <translation>but has</translation>
    </message>
    <message>
        <source>请先运行参数仿真</source>
        <translation>run the parameter simulation first</translation>
    </message>
    <message>
        <source>输出组</source>
        <translation>output group</translation>
    </message>
    <message>
        <source>铁芯已饱和</source>
        <translation>the core saturates</translation>
    </message>
    <message>
        <source>铁芯规格</source>
        <translation>lamination</translation>
    </message>
    <message>
        <source>不在数组的行之中</source>
        <translation>is not among the array's rows</translation>
    </message>
    <message>
        <source>不是图片框</source>
        <translation>is not a picture box</translation>
    </message>
    <message>
        <source>不是控件数组</source>
        <translation>is not a control array</translation>
    </message>
    <message>
        <source>不能有行 rows</source>
        <translation>so it cannot have rows</translation>
    </message>
    <message>
        <source>不能有行号 index</source>
        <translation>so it cannot have an index</translation>
    </message>
    <message>
        <source>是控件数组</source>
        <translation>is a control array</translation>
    </message>
    <message>
        <source>缺少行号 index</source>
        <translation>but has no index</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 工况分析</source>
        <translation>Peak Corvane expert system - Operating analysis</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 自动设计</source>
        <translation>Peak Corvane expert system - Automatic design</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 铁芯设计与选型</source>
        <translation>Peak Corvane expert system - Core design and selection</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 - 骨架设置与选型</source>
        <translation>Peak Corvane expert system - Bobbin setup and selection</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统 欢迎使用</source>
        <translation>Peak Corvane expert system - Welcome</translation>
    </message>
    <message>
        <source>关于 Peak Corvane专家系统</source>
        <translation>About Peak Corvane expert system</translation>
    </message>
    <message>
        <source>导线换算程序</source>
        <translation>Wire conversion tools</translation>
    </message>
    <message>
        <source>帮助 - Peak Corvane专家系统</source>
        <translation>Help - Peak Corvane expert system</translation>
    </message>
    <message>
        <source>找不到用户手册</source>
        <translation>The user manual cannot be found:</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>不满足六级能效：平均效率、空载功耗</source>
        <translation>Fails Level VI: average efficiency, no-load power</translation>
    </message>
    <message>
        <source>交流输入电压:</source>
        <translation>AC input voltage:</translation>
    </message>
    <message>
        <source>人工费</source>
        <translation>Labour</translation>
    </message>
    <message>
        <source>低压</source>
        <translation>Low line</translation>
    </message>
    <message>
        <source>低压(V)</source>
        <translation>Low line (V)</translation>
    </message>
    <message>
        <source>元</source>
        <translation>CNY</translation>
    </message>
    <message>
        <source>全桥电容</source>
        <translation>Bridge, capacitor</translation>
    </message>
    <message>
        <source>全桥电阻</source>
        <translation>Bridge, resistive</translation>
    </message>
    <message>
        <source>全波电容</source>
        <translation>Full-wave, capacitor</translation>
    </message>
    <message>
        <source>全波电阻</source>
        <translation>Full-wave, resistive</translation>
    </message>
    <message>
        <source>六级能效（外部电源）</source>
        <translation>Level VI efficiency (external power supply)</translation>
    </message>
    <message>
        <source>其它费用</source>
        <translation>Other costs</translation>
    </message>
    <message>
        <source>出售的变压器；单独出售或装入其他设备的变压器不受其约束。平均效率含整流二极管损耗。</source>
        <translation>one sold alone or built into other equipment is exempt. Average efficiency includes diode losses.</translation>
    </message>
    <message>
        <source>制作工时</source>
        <translation>Production time</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>匝数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>半波电容</source>
        <translation>Half-wave, capacitor</translation>
    </message>
    <message>
        <source>变压器制作参数表</source>
        <translation>Transformer manufacturing sheet</translation>
    </message>
    <message>
        <source>变压器设计要求</source>
        <translation>Transformer design requirements</translation>
    </message>
    <message>
        <source>变压器设计规格书</source>
        <translation>Transformer design specification</translation>
    </message>
    <message>
        <source>变压器输出总功率：</source>
        <translation>Total output power:</translation>
    </message>
    <message>
        <source>各输出组空载直流电压</source>
        <translation>No-load DC voltage of each output group</translation>
    </message>
    <message>
        <source>含税价</source>
        <translation>Price incl. tax</translation>
    </message>
    <message>
        <source>基本电压</source>
        <translation>Basic-voltage</translation>
    </message>
    <message>
        <source>外形示意图</source>
        <translation>Outline drawing</translation>
    </message>
    <message>
        <source>多路输出</source>
        <translation>Multiple-output</translation>
    </message>
    <message>
        <source>安全</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>工况分析报告</source>
        <translation>Operating analysis report</translation>
    </message>
    <message>
        <source>平介</source>
        <translation>Flat washer</translation>
    </message>
    <message>
        <source>平均效率(%)</source>
        <translation>Average efficiency (%)</translation>
    </message>
    <message>
        <source>开放式温升</source>
        <translation>open-frame temperature rise</translation>
    </message>
    <message>
        <source>开放式温升(℃)</source>
        <translation>Open-frame rise (℃)</translation>
    </message>
    <message>
        <source>引线</source>
        <translation>Lead wires</translation>
    </message>
    <message>
        <source>引线型号</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>引线端子</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>引线颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>弹介</source>
        <translation>Spring washer</translation>
    </message>
    <message>
        <source>快巴纸</source>
        <translation>Fish paper</translation>
    </message>
    <message>
        <source>成本价</source>
        <translation>Cost price</translation>
    </message>
    <message>
        <source>抽屉型</source>
        <translation>Drawer type</translation>
    </message>
    <message>
        <source>损耗(W)</source>
        <translation>Loss (W)</translation>
    </message>
    <message>
        <source>接插件</source>
        <translation>Connectors</translation>
    </message>
    <message>
        <source>支架</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>效率(%)</source>
        <translation>Efficiency (%)</translation>
    </message>
    <message>
        <source>整流电路</source>
        <translation>Rectifier</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>材料清单及成本核算</source>
        <translation>Bill of materials and cost accounting</translation>
    </message>
    <message>
        <source>标准骨架</source>
        <translation>Standard bobbin</translation>
    </message>
    <message>
        <source>桥架</source>
        <translation>Bridge bracket</translation>
    </message>
    <message>
        <source>每层匝数</source>
        <translation>T/layer</translation>
    </message>
    <message>
        <source>毛利率</source>
        <translation>Gross margin</translation>
    </message>
    <message>
        <source>注：六级能效（美国能源部六级、欧盟2019/1782号条例）只适用于装在插墙式电源适配器内</source>
        <translation>Note: Level VI (US DOE Level VI, EU Regulation 2019/1782) applies only to transformers sold in a wall-plug adapter;</translation>
    </message>
    <message>
        <source>满载温升判定</source>
        <translation>Full-load rise verdict</translation>
    </message>
    <message>
        <source>漆包线</source>
        <translation>Enamelled wire</translation>
    </message>
    <message>
        <source>电压</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>电压调整率</source>
        <translation>Regulation</translation>
    </message>
    <message>
        <source>电容耐压(V)</source>
        <translation>Capacitor rating (V)</translation>
    </message>
    <message>
        <source>电气参数</source>
        <translation>Electrical parameters</translation>
    </message>
    <message>
        <source>电气示意图</source>
        <translation>Circuit diagram</translation>
    </message>
    <message>
        <source>电网波动</source>
        <translation>Line variation</translation>
    </message>
    <message>
        <source>电网电压(V)</source>
        <translation>Line voltage (V)</translation>
    </message>
    <message>
        <source>电网电压工况</source>
        <translation>Line voltage conditions</translation>
    </message>
    <message>
        <source>电解电容</source>
        <translation>Electrolytic capacitor</translation>
    </message>
    <message>
        <source>直流电阻</source>
        <translation>DC res. Ω</translation>
    </message>
    <message>
        <source>磁屏蔽</source>
        <translation>Magnetic shield</translation>
    </message>
    <message>
        <source>磁通密度Bm(T)</source>
        <translation>Flux density Bm (T)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>税前价</source>
        <translation>Price before tax</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Tax rate</translation>
    </message>
    <message>
        <source>空载电压</source>
        <translation>No-load V</translation>
    </message>
    <message>
        <source>空载电流</source>
        <translation>No-load current</translation>
    </message>
    <message>
        <source>空载电流Io：</source>
        <translation>No-load current Io:</translation>
    </message>
    <message>
        <source>空载输入功率(W)</source>
        <translation>No-load input power (W)</translation>
    </message>
    <message>
        <source>红/红</source>
        <translation>RD/RD</translation>
    </message>
    <message>
        <source>组别</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>结构示意图</source>
        <translation>Structure drawing</translation>
    </message>
    <message>
        <source>绕线顺序表</source>
        <translation>Winding order</translation>
    </message>
    <message>
        <source>绕组</source>
        <translation>Wdg</translation>
    </message>
    <message>
        <source>绕组损耗</source>
        <translation>Cu loss W</translation>
    </message>
    <message>
        <source>绝缘套</source>
        <translation>Insulating sleeve</translation>
    </message>
    <message>
        <source>绝缘漆</source>
        <translation>Varnish</translation>
    </message>
    <message>
        <source>绝缘胶带</source>
        <translation>Insulating tape</translation>
    </message>
    <message>
        <source>能效判定</source>
        <translation>Efficiency verdict</translation>
    </message>
    <message>
        <source>螺帽</source>
        <translation>Nut</translation>
    </message>
    <message>
        <source>螺杆</source>
        <translation>Screw</translation>
    </message>
    <message>
        <source>要求不低于(%)</source>
        <translation>Required min. (%)</translation>
    </message>
    <message>
        <source>要求不高于(W)</source>
        <translation>Required max. (W)</translation>
    </message>
    <message>
        <source>负载率</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>负载电压</source>
        <translation>Load V</translation>
    </message>
    <message>
        <source>负载电流</source>
        <translation>Load A</translation>
    </message>
    <message>
        <source>输出功率(W)</source>
        <translation>Output power (W)</translation>
    </message>
    <message>
        <source>过热</source>
        <translation>Overheating</translation>
    </message>
    <message>
        <source>适配器式温升</source>
        <translation>adapter temperature rise</translation>
    </message>
    <message>
        <source>适配器温升(℃)</source>
        <translation>Adapter rise (℃)</translation>
    </message>
    <message>
        <source>适配器类别</source>
        <translation>Adapter class</translation>
    </message>
    <message>
        <source>部分负载效率</source>
        <translation>Part-load efficiency</translation>
    </message>
    <message>
        <source>铁损(W)</source>
        <translation>Iron loss (W)</translation>
    </message>
    <message>
        <source>铁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>铁芯规格</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>铜线类型</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>铜线股数</source>
        <translation>Strands</translation>
    </message>
    <message>
        <source>铜线规格</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>铜重(g)</source>
        <translation>Cu g</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>额定</source>
        <translation>Rated</translation>
    </message>
    <message>
        <source>额定(V)</source>
        <translation>Rated (V)</translation>
    </message>
    <message>
        <source>骨架</source>
        <translation>Bobbin</translation>
    </message>
    <message>
        <source>高压</source>
        <translation>High line</translation>
    </message>
    <message>
        <source>高压(V)</source>
        <translation>High line (V)</translation>
    </message>
    <message>
        <source>六级能效</source>
        <translation>Level VI efficiency</translation>
    </message>
    <message>
        <source>外部电源</source>
        <translation>external power supply</translation>
    </message>
    <message>
        <source>封闭</source>
        <translation>enclosed</translation>
    </message>
    <message>
        <source>空载温升</source>
        <translation>No-load temperature rise</translation>
    </message>
    <message>
        <source>负载温升</source>
        <translation>Load temperature rise</translation>
    </message>
    <message>
        <source>单价(元</source>
        <translation>Price (CNY</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>引线型号  规格</source>
        <translation>Lead type  Size</translation>
    </message>
    <message>
        <source>成本(元)</source>
        <translation>Cost (CNY)</translation>
    </message>
    <message>
        <source>用量(PCS)</source>
        <translation>Qty (pcs)</translation>
    </message>
    <message>
        <source>用量(g)</source>
        <translation>Qty (g)</translation>
    </message>
    <message>
        <source>用量(set)</source>
        <translation>Qty (sets)</translation>
    </message>
    <message>
        <source>电压调整率(%)</source>
        <translation>Reg. %</translation>
    </message>
    <message>
        <source>直流电阻(Ω)</source>
        <translation>DCR (Ω)</translation>
    </message>
    <message>
        <source>空载电压(V)</source>
        <translation>No-load V</translation>
    </message>
    <message>
        <source>线型  线径(mm)</source>
        <translation>Type  Diameter (mm)</translation>
    </message>
    <message>
        <source>绕组损耗(W)</source>
        <translation>Cu loss W</translation>
    </message>
    <message>
        <source>胶带宽度(mm)</source>
        <translation>Tape width (mm)</translation>
    </message>
    <message>
        <source>规格描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>负载电压(V)</source>
        <translation>Load V</translation>
    </message>
    <message>
        <source>负载电流(A)</source>
        <translation>Load A</translation>
    </message>
    <message>
        <source>重量(g)</source>
        <translation>Weight (g)</translation>
    </message>
    <message>
        <source>铁芯规格  片材</source>
        <translation>Core  Steel</translation>
    </message>
    <message>
        <source>铜线规格(mm)</source>
        <translation>Dia. (mm)</translation>
    </message>
    <message>
        <source>长×宽×厚(mm)</source>
        <translation>L×W×T (mm)</translation>
    </message>
    <message>
        <source>长度(mm)</source>
        <translation>Length (mm)</translation>
    </message>
    <message>
        <source>其他骨架目录…</source>
        <translation>Other bobbin catalogue…</translation>
    </message>
    <message>
        <source>半波电阻</source>
        <translation>Half-wave R</translation>
    </message>
    <message>
        <source>工字型</source>
        <translation>I-type</translation>
    </message>
    <message>
        <source>成本最低</source>
        <translation>Lowest cost</translation>
    </message>
    <message>
        <source>损耗最低</source>
        <translation>Lowest loss</translation>
    </message>
    <message>
        <source>棕/棕</source>
        <translation>BN/BN</translation>
    </message>
    <message>
        <source>王字型</source>
        <translation>E-type</translation>
    </message>
    <message>
        <source>白/白</source>
        <translation>WH/WH</translation>
    </message>
    <message>
        <source>硅管</source>
        <translation>Silicon</translation>
    </message>
    <message>
        <source>紫/紫</source>
        <translation>VT/VT</translation>
    </message>
    <message>
        <source>绿/绿</source>
        <translation>GN/GN</translation>
    </message>
    <message>
        <source>蓝/蓝</source>
        <translation>BU/BU</translation>
    </message>
    <message>
        <source>重量最低</source>
        <translation>Lowest weight</translation>
    </message>
    <message>
        <source>铜包铝线</source>
        <translation>Copper-clad aluminium</translation>
    </message>
    <message>
        <source>铜线</source>
        <translation>Copper wire</translation>
    </message>
    <message>
        <source>铝线</source>
        <translation>Aluminium wire</translation>
    </message>
    <message>
        <source>锗管</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>黄/黄</source>
        <translation>YE/YE</translation>
    </message>
    <message>
        <source>黑/黑</source>
        <translation>BK/BK</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>EI型工频电源变压器设计助手</source>
        <translation>EI mains-frequency power transformer design assistant</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统</source>
        <translation>Peak Corvane expert system</translation>
    </message>
    <message>
        <source>关于 Peak Corvane专家系统</source>
        <translation>About Peak Corvane expert system</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation>&amp;System information...</translation>
    </message>
</context>
<context>
    <name>frmCover</name>
    <message>
        <source>Corvane专家系统 特别鸣谢 </source>
        <translation>Special thanks </translation>
    </message>
    <message>
        <source>EI型工频电源变压器设计</source>
        <translation>EI mains-frequency power transformer design</translation>
    </message>
    <message>
        <source>Peak Corvane专家系统</source>
        <translation>Peak Corvane expert system</translation>
    </message>
    <message>
        <source>感谢各位变压器工程师的支持与帮助</source>
        <translation>With thanks to transformer engineers</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>所有文件</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Corvane设计文件</source>
        <translation>Corvane design file</translation>
    </message>
    <message>
        <source>SPICE模型</source>
        <translation>SPICE model</translation>
    </message>
    <message>
        <source>骨架目录</source>
        <translation>Bobbin catalogue</translation>
    </message>
</context>
<context>
    <name>Frmbobbin/words</name>
    <message>
        <source>工字型</source>
        <translation>I-type</translation>
    </message>
    <message>
        <source>抽屉型</source>
        <translation>Drawer type</translation>
    </message>
    <message>
        <source>王字型</source>
        <translation>E-type</translation>
    </message>
</context>
<context>
    <name>FrmOperating/words</name>
    <message>
        <source>不满足六级能效：平均效率</source>
        <translation>Fails Level VI: average efficiency</translation>
    </message>
    <message>
        <source>不满足六级能效：平均效率、空载功耗</source>
        <translation>Fails Level VI: average efficiency, no-load power</translation>
    </message>
    <message>
        <source>不满足六级能效：空载功耗</source>
        <translation>Fails Level VI: no-load power</translation>
    </message>
    <message>
        <source>严重警告</source>
        <translation>Serious warning</translation>
    </message>
    <message>
        <source>交流输出</source>
        <translation>AC output</translation>
    </message>
    <message>
        <source>低压</source>
        <translation>Low-voltage</translation>
    </message>
    <message>
        <source>全桥电容</source>
        <translation>Bridge C</translation>
    </message>
    <message>
        <source>全桥电阻</source>
        <translation>Bridge R</translation>
    </message>
    <message>
        <source>全波电容</source>
        <translation>Full-wave C</translation>
    </message>
    <message>
        <source>全波电阻</source>
        <translation>Full-wave R</translation>
    </message>
    <message>
        <source>半波电容</source>
        <translation>Half-wave C</translation>
    </message>
    <message>
        <source>半波电阻</source>
        <translation>Half-wave R</translation>
    </message>
    <message>
        <source>基本电压</source>
        <translation>Basic-voltage</translation>
    </message>
    <message>
        <source>多路输出</source>
        <translation>Multiple-output</translation>
    </message>
    <message>
        <source>安全</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>满足六级能效</source>
        <translation>Meets Level VI</translation>
    </message>
    <message>
        <source>过热</source>
        <translation>Overheating</translation>
    </message>
</context>
</TS>
