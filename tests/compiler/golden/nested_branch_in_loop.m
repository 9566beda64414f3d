box1=0;
for box2=1:1:4,
   box3=box2;
if (box3>2),
         box6=sin(box3);
      else
      box4=cos(box3);
   end;
end;
box8=box3;
box9=box8
